#pragma once

#include <QColor>
#include <QFrame>
#include <QRect>
#include <QString>

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

// A straight line drawn as a filled strip of `color`.
inline QFrame* MakeLine(QWidget* parent, const QString& name, const QRect& rect,
                        const QColor& color) {
    auto* line = Named(new QFrame(parent), name);
    line->setGeometry(rect);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
    return line;
}

}  // namespace widgets
