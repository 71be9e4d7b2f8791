#include "dialogs/frm_com_setting.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <vector>

#include "com_port_settings_fixture.h"
#include "tests/tumbler_module/temp_folder.h"
#include "tests/widgets/window_child.h"
#include "widgets/option_buttons.h"

namespace dialogs {
namespace {

QComboBox* PortBox(const frmComSetting& dialog) {
    return Child<QComboBox>(dialog, "cmbPortNo");
}

QRadioButton* Option(const frmComSetting& dialog, const char* array, std::size_t index) {
    return Child<QRadioButton>(dialog, array, index);
}

QPushButton* Button(const frmComSetting& dialog, const char* name) {
    return Child<QPushButton>(dialog, name);
}

int SelectedOf(const frmComSetting& dialog, const char* array, std::size_t count) {
    std::vector<QRadioButton*> options;
    for (std::size_t i = 0; i < count; ++i) options.push_back(Option(dialog, array, i));
    return widgets::SelectedOption(options);
}

class FrmComSettingTest : public ComPortSettingsFixture {
  protected:
    static ComPortChoice selected(const frmComSetting& dialog) {
        return {.portIndex = PortBox(dialog)->currentIndex(),
                .stopBit = SelectedOf(dialog, "optStopBit", 2),
                .dataWidth = SelectedOf(dialog, "optDataWidth", 2),
                .parity = SelectedOf(dialog, "optParity", 3),
                .baudRate = SelectedOf(dialog, "optBaudRate", 3)};
    }
};

TEST_F(FrmComSettingTest, LayoutNamesAndCaptions) {
    frmComSetting dialog(settings);
    EXPECT_EQ(dialog.windowTitle(), "Com Setting");
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.size(), QSize(309, 195));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
    const std::pair<const char*, const char*> captions[] = {
        {"lblComPortNo", "Port No."},    {"lblComStopBit", "Stop Bit"},
        {"lblDataWidth", "Data Length"}, {"lblParity", "Parity"},
        {"lblBaudRate", "Baud Rate"},    {"optStopBit_0", "1Bit"},
        {"optStopBit_1", "2Bit"},        {"optDataWidth_0", "7Bit"},
        {"optDataWidth_1", "8Bit"},      {"optParity_0", "Non"},
        {"optParity_1", "Even"},         {"optParity_2", "Odd"},
        {"optBaudRate_0", "4800"},       {"optBaudRate_1", "9600"},
        {"optBaudRate_2", "19200"},      {"cmdOk", "OK"},
        {"cmdCancel", "Cancel"}};
    for (const auto& [name, caption] : captions) {
        const QWidget* widget = dialog.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->property("text").toString(), caption) << name;
    }
    ASSERT_EQ(PortBox(dialog)->count(), 16);
    EXPECT_EQ(PortBox(dialog)->itemText(0), "COM1");
    EXPECT_EQ(PortBox(dialog)->itemText(15), "COM16");
    EXPECT_TRUE(PortBox(dialog)->isEditable());
    EXPECT_FALSE(Button(dialog, "cmdOk")->isDefault() || Button(dialog, "cmdOk")->autoDefault());
    EXPECT_FALSE(Button(dialog, "cmdCancel")->isDefault() ||
                 Button(dialog, "cmdCancel")->autoDefault());
}

TEST_F(FrmComSettingTest, OpensOnTheCurrentCodeNotTheStore) {
    store.write("QM4417", "Settings", "ComPort", "3904");
    frmComSetting defaults(settings);
    EXPECT_EQ(selected(defaults), ChoiceFromCode(81));
    EXPECT_EQ(PortBox(defaults)->currentText(), "COM1");
    EXPECT_TRUE(Option(defaults, "optDataWidth", 1)->isChecked());
    EXPECT_TRUE(Option(defaults, "optParity", 1)->isChecked());
    EXPECT_TRUE(Option(defaults, "optBaudRate", 1)->isChecked());

    settings.ComPort = 674;
    frmComSetting com3(settings);
    EXPECT_EQ(PortBox(com3)->currentText(), "COM3");
    EXPECT_EQ(selected(com3), ChoiceFromCode(674));
}

TEST_F(FrmComSettingTest, OkAppliesAndStoresTheChoice) {
    frmComSetting dialog(settings);
    PortBox(dialog)->setCurrentIndex(2);
    Option(dialog, "optStopBit", 1)->click();
    Option(dialog, "optDataWidth", 0)->click();
    Option(dialog, "optParity", 2)->click();
    Option(dialog, "optBaudRate", 2)->click();
    Button(dialog, "cmdOk")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.ComPort, 674);
    EXPECT_EQ(port.portNumberSet, 3);
    EXPECT_EQ(port.settingsText, "19200,o,7,2");
    EXPECT_TRUE(settings.ComFlag);
    EXPECT_EQ(stored(), "674");
}

TEST_F(FrmComSettingTest, OkAcceptsATypedPortName) {
    frmComSetting dialog(settings);
    dialog.show();
    PortBox(dialog)->setEditText(" com12 ");
    Button(dialog, "cmdOk")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(PortNumberOf(settings.ComPort), 12);
    EXPECT_EQ(stored(), std::to_string(11 * 256 + 81));
}

TEST_F(FrmComSettingTest, OkRefusesAnythingElseAndStaysOpen) {
    frmComSetting dialog(settings);
    dialog.show();
    for (const char* typed : {"COM17", "COM0", "ttyS0", ""}) {
        boxes.shown.clear();
        PortBox(dialog)->setEditText(typed);
        Button(dialog, "cmdOk")->click();
        EXPECT_TRUE(dialog.isVisible()) << typed;
        ASSERT_EQ(boxes.shown.size(), 1u) << typed;
        EXPECT_EQ(boxes.shown[0].title, "QM4417");
        EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Warning);
    }
    EXPECT_EQ(settings.ComPort, 81);
    EXPECT_EQ(store.writes, 0);
}

TEST_F(FrmComSettingTest, CancelAndEscapeChangeNothing) {
    port.portNumberSet = 9;
    {
        frmComSetting dialog(settings);
        dialog.show();
        Option(dialog, "optBaudRate", 0)->click();
        PortBox(dialog)->setCurrentIndex(5);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        Button(dialog, "cmdCancel")->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(settings.ComPort, 81);
    EXPECT_EQ(port.portNumberSet, 9);
    EXPECT_EQ(store.writes, 0);
    frmComSetting reopened(settings);
    EXPECT_EQ(selected(reopened), ChoiceFromCode(81));
}

TEST_F(FrmComSettingTest, EachPortEntryTellsItsDeviceAndWhetherItIsThere) {
    const TempFolder folder;
    const std::string adapter = (folder.path() / "ttyUSB0").string();
    settings.portMap().set(2, adapter);
    frmComSetting dialog(settings);
    dialog.show();
    const auto tip = [&dialog](int index) {
        return PortBox(dialog)->itemData(index, Qt::ToolTipRole).toString().toStdString();
    };
    EXPECT_TRUE(tip(0).starts_with("COM1 opens /dev/ttyS0, which ")) << tip(0);
    EXPECT_EQ(tip(1), "COM2 opens " + adapter + ", which does not exist now.");
    EXPECT_TRUE(tip(15).starts_with("COM16 opens /dev/ttyS15, which ")) << tip(15);
    // The closed box tells its current entry's device.
    EXPECT_EQ(PortBox(dialog)->toolTip().toStdString(), tip(0));
    PortBox(dialog)->setCurrentIndex(1);
    EXPECT_EQ(PortBox(dialog)->toolTip().toStdString(), tip(1));

    // A network entry is named as it stands; nothing reaches for it.
    settings.portMap().set(4, "tcp://cab7-ds.invalid:4000");
    PortBox(dialog)->showPopup();
    EXPECT_EQ(tip(3),
              "COM4 opens tcp://cab7-ds.invalid:4000; the line settings are the device server's.");
    PortBox(dialog)->hidePopup();

    // The adapter is plugged in while the dialog is open: opening the list looks again.
    std::ofstream(adapter).put('\n');
    PortBox(dialog)->showPopup();
    EXPECT_EQ(tip(1), "COM2 opens " + adapter + ", which is present now.");
    EXPECT_EQ(PortBox(dialog)->toolTip().toStdString(), tip(1));
    PortBox(dialog)->hidePopup();
}

}  // namespace
}  // namespace dialogs
