// tumbler-switch-panel: a machine panel of Tumbler switches, built from a form by uic; or any
// form loaded at run time (--form FILE.ui); --dump lists the form's switches and ends.
#include <QApplication>
#include <QTimer>
#include <iostream>

#include "tools/switch_panel/form_loading.h"
#include "tools/switch_panel/panel_window.h"

namespace {

constexpr const char* kUsage = "usage: tumbler-switch-panel [--form FILE.ui] [--dump]\n";

}  // namespace

int main(int argc, char** argv) {
    QString formFile;
    bool dump = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--form") && i + 1 < argc) {
            formFile = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QLatin1String("--dump")) {
            dump = true;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> form;
    if (formFile.isEmpty()) {
        form = std::make_unique<switch_panel::PanelWindow>();
    } else {
        QString error;
        form = switch_panel::LoadForm(formFile, &error);
        if (!form) {
            std::cerr << "tumbler-switch-panel: cannot load " << formFile.toStdString() << ": "
                      << error.toStdString() << '\n';
            return 1;
        }
    }
    form->show();
    if (!dump) return app.exec();
    QCoreApplication::processEvents();
    if (switch_panel::DumpSwitches(*form, std::cout) == 0) {
        std::cerr << "tumbler-switch-panel: no TumblerSwitch in the form (is the Tumbler "
                     "Designer plugin on Qt's plugin path?)\n";
        return 1;
    }
    return 0;
}
