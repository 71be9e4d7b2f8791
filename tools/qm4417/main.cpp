// qm4417: the KV3907P410 setup tool.
#include <QApplication>
#include <QPixmapCache>

#include <iostream>

#include "platform/bring_forward.h"
#include "platform/termination_signals.h"
#include "platform/version_line.h"
#include "tools/qm4417/qt_services.h"

int main(int argc, char* argv[]) {
    // Answered before anything needs a display.
    if (platform::AsksForVersion({argv + 1, argv + argc})) {
        std::cout << platform::VersionLine("qm4417") << '\n';
        return 0;
    }
    // The readouts change ten times a second. Through shared memory every paint waits for a
    // round trip to the X server, which also wakes Qt's X reader thread, before it may draw;
    // sent over the connection the few kilobytes go and nothing waits. A setting of the
    // operator's own stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    const std::string startupToken = platform::QtProgramIdentity::startupToken();
    QApplication application(argc, argv);
    application.setApplicationName("QM4417");
    // The style keeps a picture of each widget face it draws, for the whole run. Ours are small
    // but for the Monitor switch, 72 kB a state (on or off, window active or not), which the
    // first failure message added for good. 64 kB holds the small ones; the switch is drawn
    // afresh when it changes, at the operator's pace.
    QPixmapCache::setCacheLimit(64);
    // From here a shutdown, a closed session or Ctrl+C ends the program as its window's close
    // does, after an exchange on the line, with the window's place kept.
    platform::TerminationSignals endRequests;
    qm4417::QtServices services;
    // A second instance on this desktop ends here, before it reads or writes anything, once it
    // has asked the running one to bring its window forward.
    if (!services.identity.claimSingleInstance()) {
        services.identity.askRunningInstanceToShow(startupToken);
        return 0;
    }

    // Kept from the start, so the trend shows the last hour whenever it is opened.
    trend::TrendFeed trendFeed;
    main_window::frmMain window(services.forWindow());
    services.setDialogParent(&window);
    window.setMonitorListener(&trendFeed);
    // A window of its own beside the main one, ended with it.
    trend_window::TrendWindow trend(services.forTrend(), trendFeed, &window);
    services.setTrendDialogParent(&trend);
    QObject::connect(&window, &main_window::frmMain::trendRequested, &trend,
                     &trend_window::TrendWindow::open);
    endRequests.setHandler([&window] { window.close(); });
    window.Form_Load();
    // Asked to end while a message of the start was open: the window is not shown at all.
    if (endRequests.requested()) return 0;
    window.show();
    // Once the window is there to bring forward.
    services.identity.whenAskedToShow(
        [&window](const std::string& token) { platform::BringForward(window, token); });
    return application.exec();
}
