#include "dialogs/frm_about.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "dialogs/about_picture.h"
#include "widgets/named_widgets.h"
#include "widgets/twips.h"

namespace dialogs {

namespace {

using widgets::Arial;
using widgets::FromTwips;
using widgets::MakeLabel;

void MakeBlack(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

}  // namespace

frmAbout::frmAbout(const platform::ProgramIdentity& identity, QWidget* parent) : QDialog(parent) {
    buildLayout();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load(identity);
}

void frmAbout::buildLayout() {
    setObjectName("frmAbout");
    setFont(Arial(9));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // A fixed place near the top-left corner of the screen, not centred.
    setGeometry(FromTwips(2340, 1935, 5760, 2805));
    setFixedSize(size());

    lblFileDescription =
        MakeLabel(this, "lblFileDescription", FromTwips(120, 120, 5415, 375), Arial(14.25));
    picIcon = MakeLabel(this, "picIcon");
    picIcon->setGeometry(FromTwips(120, 600, 2985, 1275));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(AboutPicture());
    lblTitle = MakeLabel(this, "lblTitle", FromTwips(3240, 720, 2325, 360), Arial(14.25));
    MakeBlack(lblTitle);
    lblVersion = MakeLabel(this, "lblVersion", FromTwips(3240, 1200, 2355, 345), Arial(14.25));

    // An etched separator: grey 1 pixel under white 2 pixels.
    Line1[1] = widgets::MakeLine(this, "Line1_1", QRect(6, 139, 371, 1), QColor(128, 128, 128));
    Line1[0] = widgets::MakeLine(this, "Line1_0", QRect(7, 140, 370, 2), Qt::white);

    lblDisclaimer = MakeLabel(this, "lblDisclaimer", FromTwips(120, 2265, 3975, 300), Arial(9));
    MakeBlack(lblDisclaimer);
    cmdOK = widgets::MakeButton(this, "cmdOK", "OK", FromTwips(4245, 2280, 1380, 345));
    // Enter presses it wherever the focus is; Escape closes the box as it does.
    cmdOK->setDefault(true);
}

void frmAbout::Form_Load(const platform::ProgramIdentity& identity) {
    const QString title = QString::fromStdString(identity.title());
    const platform::ProgramVersion version = identity.version();
    setWindowTitle("About " + title);
    lblVersion->setText(
        QString("Version %1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    lblTitle->setText(title);
    lblDisclaimer->setText("Copyright " + QString::fromStdString(identity.rightsLine()));
    lblFileDescription->setText(QString::fromStdString(identity.fileDescription()));
}

}  // namespace dialogs
