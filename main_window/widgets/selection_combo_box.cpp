#include "main_window/widgets/selection_combo_box.h"

#include <QLineEdit>

namespace widgets {

SelectionComboBox::SelectionComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // `activated` also covers picking the entry that was selected before the typing.
    connect(this, &QComboBox::activated, this, [this](int index) { selected_ = index; });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { selected_ = index; });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { selected_ = -1; });
}

void SelectionComboBox::setSelectedIndex(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    selected_ = currentIndex();
}

}  // namespace widgets
