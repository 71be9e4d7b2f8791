#pragma once

#include <QPixmap>
#include <memory>

#include "platform/message_boxes.h"

class QMessageBox;
class QWidget;

namespace platform {

class QtMessageBoxes : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    using MessageBoxes::show;
    MessageAnswer show(const std::string& title, const std::string& text, MessageIcon icon,
                       MessageButtons buttons, const std::string& detail) override;

  private:
    QWidget* parent_;
};

// The box that show() runs, ready to be shown: its picture drawn here and its buttons plain
// text, so that no box looks anything up in the desktop's icon theme.
std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& title, const std::string& text,
                                            MessageIcon icon, MessageButtons buttons,
                                            const std::string& detail, QWidget* parent);

// The box's picture, `size` pixels square; null for MessageIcon::None.
QPixmap MessageBoxPicture(MessageIcon icon, int size);

}  // namespace platform
