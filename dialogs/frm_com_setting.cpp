#include "dialogs/frm_com_setting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/frm_port_map.h"
#include "widgets/named_widgets.h"
#include "widgets/option_buttons.h"
#include "widgets/twips.h"

namespace dialogs {

namespace {

using widgets::FromTwips;
using widgets::Named;

constexpr int kRowLabelWidthTwips = 1095;
constexpr int kRowHeightTwips = 255;
constexpr int kOptionPitchTwips = 960;
constexpr int kOptionWidthTwips = 900;

QLabel* MakeRowLabel(QWidget* parent, const char* name, const QString& caption, int top) {
    QLabel* label = widgets::MakeLabel(parent, name, caption);
    label->setGeometry(FromTwips(240, top, kRowLabelWidthTwips, kRowHeightTwips));
    return label;
}

// A borderless, captionless group that only makes its options exclusive.
template <std::size_t N>
QWidget* MakeGroup(QWidget* parent, const char* name, std::array<QRadioButton*, N>& options,
                   const char* array, const std::array<const char*, N>& captions, int left,
                   int top) {
    auto* group = Named(new QWidget(parent), name);
    group->setGeometry(FromTwips(left, top, kOptionPitchTwips * 3, kRowHeightTwips));
    std::array<int, N> lefts{};
    for (std::size_t i = 0; i < N; ++i) lefts[i] = static_cast<int>(i) * kOptionPitchTwips;
    widgets::MakeOptions<N>(group, options, array, captions, lefts, 0,
                            QSize(kOptionWidthTwips, kRowHeightTwips));
    return group;
}

// Neither button is bound to Enter.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left) {
    QPushButton* button =
        widgets::MakeButton(parent, name, caption, FromTwips(left, 2400, 1575, 375));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

frmComSetting::frmComSetting(ComPortSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    buildLayout();
    connect(cmdOk, &QPushButton::clicked, this, &frmComSetting::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdMap, &QPushButton::clicked, this, &frmComSetting::cmdMap_Click);
    // The box's own tooltip is its entry's, so a closed box tells its device too.
    connect(cmbPortNo, &QComboBox::currentIndexChanged, this, [this](int index) {
        cmbPortNo->setToolTip(cmbPortNo->itemData(index, Qt::ToolTipRole).toString());
    });
    // Opening the list looks at the devices again: an adapter may have come or gone.
    cmbPortNo->view()->installEventFilter(this);
    Form_Load();
}

void frmComSetting::buildLayout() {
    setObjectName("frmComSetting");
    setWindowTitle("Com Setting");
    setFont(widgets::Arial(9));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(FromTwips(0, 0, 4635, 2925).size());

    lblComPortNo = MakeRowLabel(this, "lblComPortNo", "Port No.", 360);
    cmbPortNo = Named(new QComboBox(this), "cmbPortNo");
    cmbPortNo->setEditable(true);
    cmbPortNo->setInsertPolicy(QComboBox::NoInsert);
    cmbPortNo->setGeometry(FromTwips(1440, 240, 1815, 300));
    // Beside the box, in the room to the right of it; every other widget keeps its place.
    cmdMap = widgets::MakeButton(this, "cmdMap", "Map...", FromTwips(3330, 240, 1245, 300));
    cmdMap->setAutoDefault(false);

    lblComStopBit = MakeRowLabel(this, "lblComStopBit", "Stop Bit", 720);
    fraComStopBit =
        MakeGroup<2>(this, "fraComStopBit", optStopBit, "optStopBit", {"1Bit", "2Bit"}, 1320, 720);
    lblDataWidth = MakeRowLabel(this, "lblDataWidth", "Data Length", 1080);
    fraDataWidth = MakeGroup<2>(this, "fraDataWidth", optDataWidth, "optDataWidth",
                                {"7Bit", "8Bit"}, 1320, 1080);
    lblParity = MakeRowLabel(this, "lblParity", "Parity", 1440);
    fraParity =
        MakeGroup<3>(this, "fraParity", optParity, "optParity", {"Non", "Even", "Odd"}, 1320, 1440);
    lblBaudRate = MakeRowLabel(this, "lblBaudRate", "Baud Rate", 1800);
    fraBaudRate = MakeGroup<3>(this, "fraBaudRate", optBaudRate, "optBaudRate",
                               {"4800", "9600", "19200"}, 1440, 1800);

    // An etched separator: a thin shadow line under a double-width light one.
    const int width = FromTwips(0, 0, 4635, 0).width();
    const int top = FromTwips(0, 2280, 0, 0).y();
    Line1 =
        widgets::MakeLine(this, "Line1", QRect(0, top, width, 1), palette().color(QPalette::Dark));
    Line2 = widgets::MakeLine(this, "Line2", QRect(0, top + 1, width, 2),
                              palette().color(QPalette::Light));

    cmdOk = MakeButton(this, "cmdOk", "OK", 1320);
    cmdCancel = MakeButton(this, "cmdCancel", "Cancel", 3000);
}

void frmComSetting::Form_Load() {
    cmbPortNo->clear();
    for (int i = 0; i < kPortCount; ++i) cmbPortNo->addItem(QString::fromStdString(PortName(i)));
    showPortDevices();
    const ComPortChoice choice = ChoiceFromCode(settings_.ComPort);
    cmbPortNo->setCurrentIndex(choice.portIndex);
    widgets::SelectOption(optStopBit, choice.stopBit);
    widgets::SelectOption(optDataWidth, choice.dataWidth);
    widgets::SelectOption(optParity, choice.parity);
    widgets::SelectOption(optBaudRate, choice.baudRate);
}

void frmComSetting::showPortDevices() {
    for (int i = 0; i < cmbPortNo->count(); ++i) {
        cmbPortNo->setItemData(i, QString::fromStdString(settings_.describePort(i)),
                               Qt::ToolTipRole);
    }
    cmbPortNo->setToolTip(cmbPortNo->currentData(Qt::ToolTipRole).toString());
}

bool frmComSetting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmbPortNo->view() && event->type() == QEvent::Show) showPortDevices();
    return QDialog::eventFilter(watched, event);
}

void frmComSetting::cmdOk_Click() {
    // The port box is editable: a typed name counts as much as a picked entry.
    const auto portIndex = ParsePortName(cmbPortNo->currentText().toStdString());
    if (!portIndex) {
        settings_.warnIllegalPort();
        return;
    }
    settings_.apply({.portIndex = *portIndex,
                     .stopBit = widgets::SelectedOption(optStopBit),
                     .dataWidth = widgets::SelectedOption(optDataWidth),
                     .parity = widgets::SelectedOption(optParity),
                     .baudRate = widgets::SelectedOption(optBaudRate)});
    accept();
}

void frmComSetting::cmdMap_Click() {
    const auto typed = ParsePortName(cmbPortNo->currentText().toStdString());
    frmPortMap map(settings_, typed.value_or(std::max(cmbPortNo->currentIndex(), 0)), this);
    map.exec();
    showPortDevices();
}

void frmComSetting::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace dialogs
