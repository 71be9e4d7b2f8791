#include "widgets/input_gate.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace widgets {

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputGate::InputGate(QWidget* window) : QObject(window), window_(window) {}

void InputGate::setOpen(bool open) {
    if (open == open_) return;
    open_ = open;
    if (open_) {
        qApp->removeEventFilter(this);
    } else {
        qApp->installEventFilter(this);
    }
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event->type())) return false;
    // Shortcuts go to actions, which are no widgets: judge them by the active window.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const QWidget* target = widget ? widget->window() : QApplication::activeWindow();
    return target == window_;
}

}  // namespace widgets
