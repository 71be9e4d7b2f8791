#include "widgets/input_gate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

namespace widgets {

namespace {

// What an operator does to a window. ShortcutOverride is left alone: it only asks the
// focus widget whether a key is its own, and the shortcut or key that follows is held.
bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputGate::InputGate(QWidget* window) : QObject(window), window_(window) {}

InputGate::~InputGate() {
    filterInput(false);
}

void InputGate::setOpen(bool open) {
    if (open == open_) return;
    open_ = open;
    if (!open_) {
        filterInput(true);
    } else if (held_.empty()) {
        filterInput(false);
    } else {
        QMetaObject::invokeMethod(this, &InputGate::deliverHeld, Qt::QueuedConnection);
    }
}

void InputGate::dropHeld() {
    held_.clear();
    for (QAbstractButton* button : window_->findChildren<QAbstractButton*>())
        if (button->isDown()) button->setDown(false);
    if (open_) filterInput(false);
}

void InputGate::filterInput(bool on) {
    if (on == filtering_) return;
    filtering_ = on;
    if (on) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

void InputGate::deliverHeld() {
    // A delivered click may start an operation that closes the gate again: what is left
    // then waits for the next opening.
    while (open_ && !held_.empty()) {
        HeldEvent next = std::move(held_.front());
        held_.pop_front();
        if (!next.receiver) continue;
        const QEvent* const outer = std::exchange(delivering_, next.event.get());
        QCoreApplication::sendEvent(next.receiver, next.event.get());
        delivering_ = outer;
    }
    if (open_ && held_.empty()) filterInput(false);
}

bool InputGate::isOurs(QObject* watched) const {
    // Shortcuts go to actions, which are no widgets: judge them by the active window.
    if (const auto* widget = qobject_cast<QWidget*>(watched)) return widget->window() == window_;
    return !watched->isWindowType() && QApplication::activeWindow() == window_;
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    // Events to the window's native window are dispatched to its widgets, where they are
    // held; a replayed event passes on its way to and through its receiver.
    if (event == delivering_ || !IsInput(event->type()) || !isOurs(watched)) return false;
    held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    return true;
}

}  // namespace widgets
