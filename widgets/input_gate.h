#pragma once

#include <QObject>

class QWidget;

namespace widgets {

// Refuses clicks, keys and shortcuts to one window while closed, without disabling (and so
// without greying or repainting) any of its widgets. Other windows, such as a message box
// shown meanwhile, keep their input.
class InputGate : public QObject {
    Q_OBJECT
  public:
    explicit InputGate(QWidget* window);

    bool isOpen() const { return open_; }
    void setOpen(bool open);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    bool open_ = true;
};

}  // namespace widgets
