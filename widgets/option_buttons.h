#pragma once

#include <QRadioButton>
#include <QSize>
#include <array>
#include <span>

#include "widgets/named_widgets.h"
#include "widgets/twips.h"

namespace widgets {

// The option buttons `array`_0.. of one group, side by side in `group`: option i at
// (lefts[i], top), all of one size; figures in twips.
template <std::size_t N>
void MakeOptions(QWidget* group, std::array<QRadioButton*, N>& options, const char* array,
                 const std::array<const char*, N>& captions, const std::array<int, N>& lefts,
                 int top, QSize size) {
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = Named(new QRadioButton(captions[i], group), ElementName(array, i));
        options[i]->setGeometry(FromTwips(lefts[i], top, size.width(), size.height()));
    }
}

// The option buttons of one group: selected index, -1 when none is selected.
int SelectedOption(std::span<QRadioButton* const> options);

// Selects option `index`, or clears the whole group for an index outside it.
void SelectOption(std::span<QRadioButton* const> options, int index);

}  // namespace widgets
