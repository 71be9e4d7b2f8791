#include "tools/qm4417/qt_services.h"

namespace qm4417 {

QtServices::QtServices() : ports_(settings_, identity.title()), serialPort_(ports_) {}

main_window::MainWindowServices QtServices::forWindow() {
    return {.settings = settings_,
            .messageBoxes = messageBoxes_,
            .serialPort = serialPort_,
            .fileDialogs = fileDialogs_,
            .identity = identity,
            .clock = clock_,
            .eventPump = eventPump_};
}

void QtServices::setDialogParent(QWidget* window) {
    messageBoxes_.setParent(window);
    fileDialogs_.setParent(window);
}

trend_window::TrendServices QtServices::forTrend() {
    return {trend_window::TrendServices{settings_, trendMessageBoxes_, trendFileDialogs_,
                                        identity.title()}};
}

void QtServices::setTrendDialogParent(QWidget* trend) {
    trendMessageBoxes_.setParent(trend);
    trendFileDialogs_.setParent(trend);
}

}  // namespace qm4417
