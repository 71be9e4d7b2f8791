#include "switch_control/framework/pages/dialog_font.h"

#include <QStringList>

namespace tumbler::framework {

void InstallGothicSubstitutes() {
    static const bool installed = [] {
        const QStringList proportional{"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"};
        const QStringList fixed{"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"};
        QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportional);
        QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportional);
        QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), fixed);
        QFont::insertSubstitutions(QStringLiteral("MS Gothic"), fixed);
        return true;
    }();
    (void)installed;
}

QFont DialogFont(const std::string& family, double pointSize) {
    InstallGothicSubstitutes();
    QFont font(QString::fromStdString(family));
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace tumbler::framework
