#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <memory>

class QEvent;
class QWidget;

namespace widgets {

// Holds clicks, keys and shortcuts to one window while closed, without disabling (and so
// without greying or repainting) any of its widgets. Other windows, such as a message box
// shown meanwhile, keep their input.
//
// Held input is not lost: when the gate opens again it is delivered, in the order it came,
// from the event loop (so after the handler that opened the gate has returned), and newer
// input waits behind it. dropHeld() throws it away instead and lets every pressed button of
// the window up, so a press that got through before the gate closed never leaves its
// button down and its release clicks nothing.
class InputGate : public QObject {
    Q_OBJECT
  public:
    explicit InputGate(QWidget* window);
    ~InputGate() override;

    bool isOpen() const { return open_; }
    void setOpen(bool open);
    void dropHeld();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct HeldEvent {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    bool isOurs(QObject* watched) const;
    void filterInput(bool on);
    void deliverHeld();

    QWidget* window_;
    bool open_ = true;
    bool filtering_ = false;
    std::deque<HeldEvent> held_;
    const QEvent* delivering_ = nullptr;
};

}  // namespace widgets
