#pragma once

#include <QDialog>
#include <array>

#include "dialogs/com_port_settings.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace dialogs {

// The communication settings dialog. Widget names follow frmMain's scheme: members and
// objectName()s alike, array element i named with '_' and i (optParity_2); outside the dialog
// its widgets are found by those names.
class frmComSetting : public QDialog {
    Q_OBJECT
  public:
    explicit frmComSetting(ComPortSettings& settings, QWidget* parent = nullptr);

  protected:
    // Escape is bound to no button: it leaves the dialog open.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void cmdOk_Click();
    // Opens the port-map dialog on the port in the box; its tooltips then say what changed.
    void cmdMap_Click();

  private:
    void buildLayout();
    void Form_Load();
    // Each port entry's tooltip: the device it opens and whether it is there now.
    void showPortDevices();

    ComPortSettings& settings_;
    QLabel* lblComPortNo = nullptr;
    QComboBox* cmbPortNo = nullptr;
    QPushButton* cmdMap = nullptr;
    QLabel* lblComStopBit = nullptr;
    QWidget* fraComStopBit = nullptr;
    std::array<QRadioButton*, 2> optStopBit{};
    QLabel* lblDataWidth = nullptr;
    QWidget* fraDataWidth = nullptr;
    std::array<QRadioButton*, 2> optDataWidth{};
    QLabel* lblParity = nullptr;
    QWidget* fraParity = nullptr;
    std::array<QRadioButton*, 3> optParity{};
    QLabel* lblBaudRate = nullptr;
    QWidget* fraBaudRate = nullptr;
    std::array<QRadioButton*, 3> optBaudRate{};
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace dialogs
