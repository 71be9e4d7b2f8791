#include "main_window/window_icon.h"

#include <QImage>
#include <QPainter>

namespace main_window {

QIcon WindowIcon() {
    QImage image(kWindowIconSize, kWindowIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintWindowIcon(painter);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

void PaintWindowIcon(QPainter& painter) {
    // Drawn without antialiasing in colours of the 16-colour palette only.
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(3, 7, 42, 34);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawRect(8, 12, 20, 10);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(36, 30), 6, 6);
    painter.drawLine(36, 30, 40, 26);
    painter.setBrush(Qt::red);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(12, 32), 3, 3);
    painter.drawEllipse(QPoint(21, 32), 3, 3);
}

}  // namespace main_window
