// qm4417-screenshots: renders QM4417's windows to PNG files, headless, for review by eye.
//
//   qm4417-screenshots DIR              each tab of the main window, the settings dialog and
//                                       the about box, on stand-in services
//   qm4417-screenshots --live PNG [S]   the real program on its real port and settings, the
//                                       monitor switched on, saved S seconds (default 3) later
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "dialogs/frm_about.h"
#include "dialogs/frm_com_setting.h"
#include "platform/fakes/fake_event_pump.h"
#include "platform/fakes/fake_file_dialogs.h"
#include "platform/fakes/fake_message_boxes.h"
#include "platform/fakes/fake_program_identity.h"
#include "platform/fakes/fake_serial_port.h"
#include "platform/fakes/fake_settings_store.h"
#include "platform/fakes/fake_steady_clock.h"
#include "tools/qm4417/qt_services.h"
#include "widgets/latching_switch.h"
#include "widgets/named_widgets.h"

namespace {

bool Save(QWidget& widget, const QString& path) {
    widget.show();
    QApplication::processEvents();
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

int RenderLayout(const QString& folder) {
    QDir().mkpath(folder);
    platform::FakeSettingsStore settings;
    platform::FakeMessageBoxes boxes;
    platform::FakeSteadyClock clock;
    platform::FakeSerialPort port(clock);
    platform::FakeFileDialogs fileDialogs;
    platform::FakeProgramIdentity identity;
    platform::FakeEventPump events;
    main_window::frmMain window({settings, boxes, port, fileDialogs, identity, clock, events});
    window.Form_Load();
    widgets::NamedChild<QTimer>(window, "Timer1").stop();

    bool saved = Save(window, folder + "/main_monitor.png");
    widgets::NamedChild<QTabWidget>(window, "SSTab1").setCurrentIndex(1);
    saved &= Save(window, folder + "/main_parameter.png");
    dialogs::frmComSetting comSetting(window.comPortSettings(), &window);
    saved &= Save(comSetting, folder + "/com_setting.png");
    dialogs::frmAbout about(identity, &window);
    saved &= Save(about, folder + "/about.png");
    return saved ? 0 : 1;
}

int RenderLive(const QString& path, int seconds) {
    qm4417::QtServices services;
    if (!services.identity.claimSingleInstance()) {
        std::fprintf(stderr, "QM4417 is already running on this desktop\n");
        return 1;
    }
    main_window::frmMain window(services.forWindow());
    services.setDialogParent(&window);
    window.Form_Load();
    window.show();
    auto& monitorSwitch = widgets::NamedChild<widgets::LatchingSwitch>(window, "cmdComStart");
    monitorSwitch.setOn(monitorSwitch.isEnabled());
    int status = 1;
    QTimer::singleShot(seconds * 1000, &window, [&] {
        status = Save(window, path) ? 0 : 1;
        window.close();
    });
    QApplication::exec();
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("QM4417");
    const QStringList arguments = application.arguments();
    if (arguments.size() >= 3 && arguments[1] == "--live") {
        const int seconds = arguments.size() >= 4 ? arguments[3].toInt() : 3;
        return RenderLive(arguments[2], seconds > 0 ? seconds : 3);
    }
    if (arguments.size() == 2 && !arguments[1].startsWith("--")) return RenderLayout(arguments[1]);
    std::fprintf(stderr, "usage: qm4417-screenshots DIR | --live PNG [SECONDS]\n");
    return 2;
}
