#include "platform/qt_message_boxes.h"

#include <QMessageBox>

namespace platform {

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtMessageBoxes::show(const std::string& title, const std::string& text,
                                   MessageIcon icon, MessageButtons buttons,
                                   const std::string& detail) {
    QString body = QString::fromStdString(text);
    body.replace("\r\n", "\n");
    const auto qtButtons =
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(toQt(icon), QString::fromStdString(title), body, qtButtons, parent_);
    box.setDetailedText(QString::fromStdString(detail));
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace platform
