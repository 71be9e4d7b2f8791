#include "platform/qt_message_boxes.h"

#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace platform {

namespace {

void DrawCross(QPainter& painter, const QRectF& face) {
    const QRectF arms = face.adjusted(face.width() * 0.3, face.height() * 0.3, -face.width() * 0.3,
                                      -face.height() * 0.3);
    painter.setPen(QPen(Qt::white, face.width() / 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(arms.topLeft(), arms.bottomRight());
    painter.drawLine(arms.topRight(), arms.bottomLeft());
}

void DrawMark(QPainter& painter, const QRectF& area, const QColor& color, const QString& mark) {
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(area.height() * 0.7));
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(area, Qt::AlignCenter, mark);
}

}  // namespace

// Standard icons come from the icon theme, and the first lookup parses every index.theme of
// it: hundreds of kilobytes of strings for a picture this simple, and the allocator keeps
// the pages after the first failure message for the rest of the run.
QPixmap MessageBoxPicture(MessageIcon icon, int size) {
    if (icon == MessageIcon::None) return {};
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(0, 0, size, size).adjusted(1, 1, -1, -1);
    switch (icon) {
        case MessageIcon::Stop:
            painter.setPen(QPen(QColor(128, 0, 0), 1));
            painter.setBrush(QColor(220, 30, 30));
            painter.drawEllipse(face);
            DrawCross(painter, face);
            break;
        case MessageIcon::Warning: {
            const QPolygonF triangle(
                {QPointF(face.center().x(), face.top()), face.bottomRight(), face.bottomLeft()});
            painter.setPen(QPen(QColor(128, 96, 0), 1));
            painter.setBrush(QColor(250, 200, 30));
            painter.drawPolygon(triangle);
            DrawMark(painter, face.adjusted(0, face.height() * 0.2, 0, 0), Qt::black, "!");
            break;
        }
        case MessageIcon::Question:
            painter.setPen(QPen(QColor(0, 48, 128), 1));
            painter.setBrush(QColor(40, 100, 210));
            painter.drawEllipse(face);
            DrawMark(painter, face, Qt::white, "?");
            break;
        case MessageIcon::None:
            break;
    }
    return picture;
}

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& title, const std::string& text,
                                            MessageIcon icon, MessageButtons buttons,
                                            const std::string& detail, QWidget* parent) {
    QString body = QString::fromStdString(text);
    body.replace("\r\n", "\n");
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QString::fromStdString(title),
                                             body, QMessageBox::NoButton, parent);
    // In the face of the window it speaks for, as the program's own dialogs are; a window
    // would not take it from its parent by itself, and another face costs the program more.
    if (parent) box->setFont(parent->font());
    const int size = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box.get());
    if (icon != MessageIcon::None) box->setIconPixmap(MessageBoxPicture(icon, size));
    // Buttons of the box's own text: standard buttons would fetch theme icons for their faces.
    if (buttons == MessageButtons::YesNo) {
        box->setDefaultButton(box->addButton(QMessageBox::tr("&Yes"), QMessageBox::YesRole));
        box->addButton(QMessageBox::tr("&No"), QMessageBox::NoRole);
    } else {
        box->setDefaultButton(box->addButton(QMessageBox::tr("&OK"), QMessageBox::AcceptRole));
    }
    box->setDetailedText(QString::fromStdString(detail));
    return box;
}

MessageAnswer QtMessageBoxes::show(const std::string& title, const std::string& text,
                                   MessageIcon icon, MessageButtons buttons,
                                   const std::string& detail) {
    const auto box = MakeMessageBox(title, text, icon, buttons, detail, parent_);
    box->exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    QAbstractButton* clicked = box->clickedButton();
    return clicked && box->buttonRole(clicked) == QMessageBox::YesRole ? MessageAnswer::Yes
                                                                       : MessageAnswer::No;
}

}  // namespace platform
