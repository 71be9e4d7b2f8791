#include "tools/tumbler_container/screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>

#include "switch_control/framework/pages/property_sheet.h"

namespace container {
namespace {

bool Save(QWidget* widget, const std::filesystem::path& file) {
    QApplication::processEvents();
    return widget->grab().save(QString::fromStdString(file.string()));
}

QString FileSafe(QString text) {
    return text.toLower().replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")),
                                  QStringLiteral("-"));
}

}  // namespace

bool TakeScreenshots(ContainerWindow& window, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    window.show();
    bool ok = Save(&window, folder / "container.png");

    std::unique_ptr<tumbler::framework::PropertySheet> sheet(window.NewPropertySheet());
    if (sheet) {
        sheet->show();
        for (int i = 0; i < sheet->PageCount(); ++i) {
            sheet->Tabs()->setCurrentIndex(i);
            const QString name = QStringLiteral("sheet-%1-%2.png")
                                     .arg(i + 1)
                                     .arg(FileSafe(sheet->Tabs()->tabText(i)));
            ok = Save(sheet.get(), folder / name.toStdString()) && ok;
        }
        sheet->close();
    }

    // The about box is modal: grab it and press OK once it is up; bounded, so a
    // box that never shows cannot hang the run.
    bool aboutSaved = false;
    int attempts = 0;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr && ++attempts < 100) return;
        poll.stop();
        if (box == nullptr) return;
        aboutSaved = Save(box, folder / "about.png");
        if (auto* okButton = box->findChild<QPushButton*>(QStringLiteral("item1")))
            okButton->click();
    });
    poll.start();
    window.Invoke(tumbler::framework::kDispIdAboutBox, tumbler::framework::InvokeKind::Method, "");
    poll.stop();
    return ok && aboutSaved;
}

}  // namespace container
