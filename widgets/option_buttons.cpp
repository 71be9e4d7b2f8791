#include "widgets/option_buttons.h"

namespace widgets {

int SelectedOption(std::span<QRadioButton* const> options) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

void SelectOption(std::span<QRadioButton* const> options, int index) {
    if (index >= 0 && index < static_cast<int>(options.size())) {
        options[index]->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its checked button; lift that for the clearing.
    for (QRadioButton* option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

}  // namespace widgets
