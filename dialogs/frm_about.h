#pragma once

#include <QDialog>
#include <array>

#include "platform/program_identity.h"

class QFrame;
class QLabel;
class QPushButton;

namespace dialogs {

// The about box; its texts come from the program's identity. Widget names as in frmMain.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(const platform::ProgramIdentity& identity, QWidget* parent = nullptr);

    QLabel* lblFileDescription = nullptr;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    std::array<QFrame*, 2> Line1{};
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;

  private:
    void buildLayout();
    void Form_Load(const platform::ProgramIdentity& identity);
};

}  // namespace dialogs
