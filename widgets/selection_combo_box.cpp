#include "widgets/selection_combo_box.h"

#include <QLineEdit>

namespace widgets {

SelectionComboBox::SelectionComboBox(QWidget* parent) : QComboBox(parent) {
    // On Enter or focus-out QComboBox selects the entry whose text equals the typed text; it
    // does so in its own slot on editingFinished, which setLineEdit connects. Slots run in the
    // order they were connected, so these two bracket that match and keep it from selecting.
    auto* edit = new QLineEdit(this);
    connect(edit, &QLineEdit::editingFinished, this, [this] { matchingTypedText_ = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { matchingTypedText_ = false; });
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // `activated` also covers picking the entry that was selected before the typing.
    connect(this, &QComboBox::activated, this, [this](int index) { select(index); });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { select(index); });
    connect(edit, &QLineEdit::textEdited, this, [this] { selected_ = -1; });
}

void SelectionComboBox::setSelectedIndex(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    selected_ = currentIndex();
}

void SelectionComboBox::select(int index) {
    if (!matchingTypedText_) selected_ = index;
}

}  // namespace widgets
