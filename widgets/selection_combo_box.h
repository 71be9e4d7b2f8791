#pragma once

#include <QComboBox>

namespace widgets {

// An editable combo box that tells a picked list entry from typed text: typing into the edit
// field leaves no entry selected (-1), even when the text matches an entry. Only a pick from
// the list or setSelectedIndex selects one.
class SelectionComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit SelectionComboBox(QWidget* parent = nullptr);

    int selectedIndex() const { return selected_; }
    // -1 clears the selection and the edit field.
    void setSelectedIndex(int index);

  private:
    void select(int index);

    int selected_ = -1;
    bool matchingTypedText_ = false;
};

}  // namespace widgets
