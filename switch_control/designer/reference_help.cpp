#include "switch_control/designer/reference_help.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace tumbler::designer {

QString InstalledReference() {
    return QStringLiteral(TUMBLER_REFERENCE_INDEX);
}

void ShowReference(QWidget* parent, const QString& index) {
    const QString title = QStringLiteral("TumblerSwitch Reference");
    if (!QFileInfo(index).isFile()) {
        QMessageBox::information(
            parent, title,
            QStringLiteral("The TumblerSwitch reference is not installed: %1 is missing.\n\n"
                           "It comes with the package libtumbler-widget-dev.")
                .arg(index));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(index))) {
        QMessageBox::warning(parent, title,
                             QStringLiteral("No program could be started to show %1.").arg(index));
    }
}

}  // namespace tumbler::designer
