#pragma once

#include "platform/message_boxes.h"

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

}  // namespace platform
