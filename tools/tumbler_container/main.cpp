#include <QApplication>
#include <QCommandLineParser>
#include <iostream>

#include "tools/tumbler_container/container_window.h"
#include "tools/tumbler_container/screenshots.h"

// tumbler-container: a test container for the controls of the per-user class registry.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tumbler-container"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hosts a registered control."));
    parser.addHelpOption();
    const QCommandLineOption create(
        QStringLiteral("create"), QStringLiteral("Create the control PROGID or {CLSID} at start."),
        QStringLiteral("PROGID"));
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Save pictures of the window, the property sheet and the about box into "
                       "FOLDER, then quit."),
        QStringLiteral("FOLDER"));
    parser.addOption(create);
    parser.addOption(screenshots);
    parser.process(app);

    const tumbler::framework::ClassRegistry registry;
    container::ContainerWindow window(registry);
    if (parser.isSet(create) && !window.CreateControl(parser.value(create).toStdString())) {
        std::cerr << window.LogText().toStdString() << "\n";
    }
    if (parser.isSet(screenshots)) {
        const bool ok = container::TakeScreenshots(window, parser.value(screenshots).toStdString());
        window.ReleaseControl();
        return ok ? 0 : 1;
    }
    window.show();
    return app.exec();
}
