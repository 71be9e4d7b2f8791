#include "tools/tumbler_container/control_size.h"

#include <QRegularExpression>

namespace container {

std::optional<QSize> ParseControlSize(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    const auto fits = [](int side) { return side >= 1 && side <= kMaxControlSide; };
    if (!fits(width) || !fits(height)) return std::nullopt;
    return QSize(width, height);
}

}  // namespace container
