#pragma once

#include <QColor>
#include <QFrame>
#include <QRect>
#include <QString>

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
