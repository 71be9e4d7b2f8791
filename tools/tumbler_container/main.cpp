#include <QApplication>
#include <QCommandLineParser>
#include <iostream>

#include "tools/tumbler_container/container_window.h"
#include "tools/tumbler_container/control_size.h"
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
    const QCommandLineOption size(
        QStringLiteral("size"),
        QStringLiteral("Host the control at WIDTHxHEIGHT pixels (for example 120x90) instead of "
                       "filling the area."),
        QStringLiteral("WIDTHxHEIGHT"));
    const QCommandLineOption refuseEdits(
        QStringLiteral("refuse-edits"),
        QStringLiteral("Answer the control's requests to edit a property with no."));
    parser.addOption(create);
    parser.addOption(screenshots);
    parser.addOption(size);
    parser.addOption(refuseEdits);
    parser.process(app);

    std::optional<QSize> controlSize;
    if (parser.isSet(size)) {
        controlSize = container::ParseControlSize(parser.value(size));
        if (!controlSize) {
            std::cerr << "--size takes WIDTHxHEIGHT, each 1 to " << container::kMaxControlSide
                      << " pixels, such as 120x90\n";
            return 2;
        }
    }

    const tumbler::framework::ClassRegistry registry;
    container::ContainerWindow window(registry);
    window.SetControlSize(controlSize);
    window.SetRefuseEdits(parser.isSet(refuseEdits));
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
