#pragma once

#include <QDialog>

#include "dialogs/com_port_settings.h"
#include "dialogs/port_map_edit.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace dialogs {

// The port-map dialog, opened by "Map..." of the settings dialog: COM1 to COM16 with what each
// opens, the serial devices present and a field for the selected entry's device path or network
// name. OK stores the edited entries as `qm4417ctl ports set` does, or names the first malformed
// one and stays open. Widgets are named as their members.
class frmPortMap : public QDialog {
    Q_OBJECT
  public:
    // Opens with `portIndex`'s entry selected.
    frmPortMap(ComPortSettings& settings, int portIndex, QWidget* parent = nullptr);

  private slots:
    void cmdOk_Click();
    void cmdRefresh_Click();

  private:
    void buildLayout();
    void showPorts();
    void selectPort(int portIndex);
    void takeEntry(const QString& name);

    ComPortSettings& settings_;
    PortMapEdit edit_;
    QLabel* lblPorts = nullptr;
    QListWidget* lstPorts = nullptr;
    QLabel* lblDevices = nullptr;
    QListWidget* lstDevices = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QLabel* lblEntry = nullptr;
    QLineEdit* txtEntry = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace dialogs
