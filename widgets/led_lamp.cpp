#include "widgets/led_lamp.h"

#include <QPainter>
#include <QRadialGradient>

namespace widgets {

LedLamp::LedLamp(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LedLamp::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    update();
}

void LedLamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QColor color = on_ ? kOnColor : kOffColor;
    // A small highlight up and to the left gives the lamp its dome.
    QRadialGradient dome(face.center() - QPointF(face.width() / 5, face.height() / 5),
                         face.width() / 1.6);
    dome.setColorAt(0, color.lighter(on_ ? 150 : 250));
    dome.setColorAt(1, color);
    painter.setPen(QPen(QColor(96, 96, 96), 1.5));
    painter.setBrush(dome);
    painter.drawEllipse(face);
}

}  // namespace widgets
