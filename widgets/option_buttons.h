#pragma once

#include <QRadioButton>
#include <span>

namespace widgets {

// The option buttons of one group: selected index, -1 when none is selected.
int SelectedOption(std::span<QRadioButton* const> options);

// Selects option `index`, or clears the whole group for an index outside it.
void SelectOption(std::span<QRadioButton* const> options, int index);

}  // namespace widgets
