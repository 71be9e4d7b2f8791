#include "widgets/display_label.h"

#include <QPainter>

namespace widgets {

DisplayLabel::DisplayLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Room for the border, which the label's own frame would otherwise take.
    setContentsMargins(1, 1, 1, 1);
}

void DisplayLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kFrameColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace widgets
