#include "dialogs/frm_port_map.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "widgets/named_widgets.h"
#include "widgets/twips.h"

namespace dialogs {

namespace {

using widgets::Named;

// The device list holds each name in the item's data, the text adds what it stands for.
constexpr int kNameRole = Qt::UserRole;

}  // namespace

frmPortMap::frmPortMap(ComPortSettings& settings, int portIndex, QWidget* parent)
    : QDialog(parent), settings_(settings), edit_(settings.portMap()) {
    buildLayout();
    connect(cmdOk, &QPushButton::clicked, this, &frmPortMap::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmPortMap::cmdRefresh_Click);
    connect(lstPorts, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) txtEntry->setText(QString::fromStdString(edit_.entry(row)));
    });
    connect(txtEntry, &QLineEdit::textEdited, this, &frmPortMap::takeEntry);
    connect(lstDevices, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        txtEntry->setText(item->data(kNameRole).toString());
        takeEntry(txtEntry->text());
    });
    showPorts();
    cmdRefresh_Click();
    selectPort(portIndex);
}

void frmPortMap::buildLayout() {
    setObjectName("frmPortMap");
    setWindowTitle("Port Map");
    setFont(widgets::Arial(9));
    lblPorts = widgets::MakeLabel(this, "lblPorts", "Ports");
    lstPorts = Named(new QListWidget(this), "lstPorts");
    lblDevices = widgets::MakeLabel(this, "lblDevices", "Devices present");
    lstDevices = Named(new QListWidget(this), "lstDevices");
    cmdRefresh = Named(new QPushButton("Refresh", this), "cmdRefresh");
    lblEntry = widgets::MakeLabel(this, "lblEntry", "Device or network name");
    txtEntry = Named(new QLineEdit(this), "txtEntry");
    txtEntry->setPlaceholderText("/dev/serial/by-id/...  tcp://HOST:PORT  rfc2217://HOST:PORT");
    txtEntry->setClearButtonEnabled(true);
    cmdOk = Named(new QPushButton("OK", this), "cmdOk");
    cmdCancel = Named(new QPushButton("Cancel", this), "cmdCancel");
    for (QPushButton* button : {cmdRefresh, cmdOk, cmdCancel}) button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblPorts, 0, 0);
    grid->addWidget(lblDevices, 0, 1);
    grid->addWidget(cmdRefresh, 0, 2, Qt::AlignRight);
    grid->addWidget(lstPorts, 1, 0);
    grid->addWidget(lstDevices, 1, 1, 1, 2);
    grid->addWidget(lblEntry, 2, 0, 1, 3);
    grid->addWidget(txtEntry, 3, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    lstPorts->setMinimumWidth(widgets::FromTwips(0, 0, 4200, 0).width());
    lstDevices->setMinimumWidth(widgets::FromTwips(0, 0, 5400, 0).width());
}

void frmPortMap::showPorts() {
    const int current = lstPorts->currentRow();
    lstPorts->clear();
    for (int i = 0; i < kPortCount; ++i) {
        auto* row = new QListWidgetItem(QString::fromStdString(edit_.rowText(i)), lstPorts);
        row->setToolTip(QString::fromStdString(edit_.describe(i)));
    }
    if (current >= 0) lstPorts->setCurrentRow(current);
    // All sixteen in sight, with room for the scroll bar a long name brings.
    lstPorts->setMinimumHeight(lstPorts->sizeHintForRow(0) * kPortCount +
                               2 * lstPorts->frameWidth() +
                               lstPorts->horizontalScrollBar()->sizeHint().height());
}

void frmPortMap::selectPort(int portIndex) {
    lstPorts->setCurrentRow(portIndex);
    txtEntry->setFocus();
}

void frmPortMap::takeEntry(const QString& name) {
    const int row = lstPorts->currentRow();
    if (row < 0) return;
    edit_.edit(row, name.trimmed().toStdString());
    lstPorts->item(row)->setText(QString::fromStdString(edit_.rowText(row)));
}

void frmPortMap::cmdRefresh_Click() {
    lstDevices->clear();
    for (const platform::MappableName& device : settings_.devicesPresent()) {
        auto* item = new QListWidgetItem(
            QString::fromStdString(device.name + "  (" + device.description + ")"), lstDevices);
        item->setData(kNameRole, QString::fromStdString(device.name));
    }
}

void frmPortMap::cmdOk_Click() {
    if (const auto refused = edit_.store()) {
        settings_.warnRefusedName(refused->portIndex, edit_.entry(refused->portIndex),
                                  refused->reason);
        selectPort(refused->portIndex);
        return;
    }
    accept();
}

}  // namespace dialogs
