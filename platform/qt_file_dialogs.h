#pragma once

#include "platform/file_dialogs.h"

class QWidget;

namespace platform {

// QFileDialog without its own overwrite question (the program asks its own).
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    FileChoice open(const FileDialogSettings& settings) override;
    FileChoice save(const FileDialogSettings& settings) override;

  private:
    FileChoice run(const FileDialogSettings& settings, bool saving);

    QWidget* parent_;
};

}  // namespace platform
