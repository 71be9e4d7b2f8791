#pragma once

#include <QColor>
#include <QFrame>
#include <QObject>
#include <QRect>
#include <QString>
#include <stdexcept>

class QFont;
class QLabel;
class QPushButton;

namespace widgets {

// Gives `object` its layout name, the same as the member that holds it.
template <typename W>
W* Named(W* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

// Element `index` of a widget array: the array's name, '_' and the index.
inline QString ElementName(const char* array, std::size_t index) {
    return QString("%1_%2").arg(array).arg(index);
}

// The object of kind W below `root` named `name`, for code that drives a window from outside as
// a person would. Throws std::out_of_range naming the window, the kind and the name when there
// is none, so a renamed widget stops its user at once instead of leaving a null pointer.
template <typename W>
W& NamedChild(const QObject& root, const QString& name) {
    if (W* child = root.findChild<W*>(name)) return *child;
    throw std::out_of_range(QString("%1 has no %2 named %3")
                                .arg(root.objectName(), W::staticMetaObject.className(), name)
                                .toStdString());
}

// Gives `child` its layout rectangle; on a tab page, in the tab control's coordinates.
void Place(QWidget* child, const QRect& rect);

// A label named `name`, placed later by its caller.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption = {});
// A label named `name`, placed at `rect` and shown in `font`.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& rect, const QFont& font);

// A push button named `name`, placed at `rect`.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect);

// A straight line drawn as a filled strip of `color`.
QFrame* MakeLine(QWidget* parent, const QString& name, const QRect& rect, const QColor& color);

}  // namespace widgets
