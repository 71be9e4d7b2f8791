// qm4417: the KV3907P410 setup tool.
#include <QApplication>

#include "tools/qm4417/qt_services.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("QM4417");
    qm4417::QtServices services;
    // A second instance on this desktop ends here, silently, before it reads or writes anything.
    if (!services.identity.claimSingleInstance()) return 0;

    main_window::frmMain window(services.forWindow());
    services.setDialogParent(&window);
    window.Form_Load();
    window.show();
    return application.exec();
}
