#include "dialogs/about_picture.h"

#include <algorithm>

#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace dialogs {

QImage ToIndexed8(const QImage& image) {
    // Qt's own reduction of more than 256 colours spreads the error over neighbouring pixels,
    // which speckles the picture's smooth shades. The 256 most frequent colours instead, each
    // pixel taking the nearest of them, keep flat areas flat.
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    }
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end(), [&counts](QRgb a, QRgb b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : a < b;
    });
    if (colours.size() > kPictureColours) colours.resize(kPictureColours);
    return image.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither);
}

QPixmap AboutPicture() {
    QImage image(199, 109, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The unit's case.
    QLinearGradient metal(0, 8, 0, 80);
    metal.setColorAt(0, QColor(230, 230, 230));
    metal.setColorAt(1, QColor(140, 140, 150));
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(6, 8, 120, 72), 4, 4);
    painter.setBrush(QColor(0, 64, 0));
    painter.drawRect(QRectF(14, 16, 70, 20));
    painter.setPen(QColor(0, 255, 0));
    painter.setFont(QFont("Arial", 9, QFont::Bold));
    painter.drawText(QRectF(14, 16, 66, 20), Qt::AlignRight | Qt::AlignVCenter, "00A3F1");
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(i == 1 ? QColor(255, 0, 0) : QColor(64, 0, 0));
        painter.drawEllipse(QPointF(20 + 14 * i, 50), 4, 4);
    }
    painter.setPen(QColor(30, 30, 30));
    painter.setFont(QFont("Arial", 7));
    painter.drawText(QRectF(14, 60, 108, 14), Qt::AlignLeft | Qt::AlignVCenter, "KV3907P410");
    // The resolver and its cable.
    painter.setPen(QPen(QColor(40, 40, 40), 3));
    painter.setBrush(Qt::NoBrush);
    QPainterPath cable(QPointF(126, 44));
    cable.cubicTo(QPointF(145, 44), QPointF(140, 70), QPointF(160, 68));
    painter.drawPath(cable);
    QRadialGradient body(QPointF(166, 56), 30);
    body.setColorAt(0, QColor(250, 250, 250));
    body.setColorAt(1, QColor(90, 90, 110));
    painter.setPen(QPen(QColor(50, 50, 50), 1));
    painter.setBrush(body);
    painter.drawEllipse(QPointF(172, 62), 22, 22);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(QPointF(172, 62), 5, 5);
    painter.end();
    return QPixmap::fromImage(ToIndexed8(image));
}

}  // namespace dialogs
