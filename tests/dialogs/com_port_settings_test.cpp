#include <filesystem>
#include <fstream>

#include "com_port_settings_fixture.h"
#include "tests/tumbler_module/temp_folder.h"

namespace dialogs {
namespace {

using ComPortSettingsTest = ComPortSettingsFixture;

TEST_F(ComPortSettingsTest, ComPortSetReopensThePortWithTheCode) {
    port.opened = true;
    settings.ComPort = 674;
    settings.ComPortSet();
    EXPECT_EQ(port.portNumberSet, 3);
    EXPECT_EQ(port.settingsText, "19200,o,7,2");
    EXPECT_TRUE(port.opened);
    EXPECT_TRUE(settings.ComFlag);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ComPortSettingsTest, APortThatDoesNotOpenWarnsAndClearsTheFlag) {
    port.opened = true;
    settings.ComFlag = true;
    port.openError = "COM1 opens /dev/ttyS0: no such device.";
    settings.ComPortSet();
    EXPECT_FALSE(port.opened);
    EXPECT_FALSE(settings.ComFlag);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417");
    EXPECT_EQ(boxes.shown[0].text, "The Comm Port Number is Illegal");
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
    // The port's reason rides along as the detail, the text stays as it is.
    EXPECT_EQ(boxes.shown[0].detail, "COM1 opens /dev/ttyS0: no such device.");
}

TEST_F(ComPortSettingsTest, DescribesWhatEachPortEntryOpensNow) {
    EXPECT_TRUE(settings.describePort(0).starts_with("COM1 opens /dev/ttyS0, which "));
    settings.portMap().set(3, "/nonexistent/serial/by-id/usb-adapter");
    EXPECT_EQ(settings.describePort(2),
              "COM3 opens /nonexistent/serial/by-id/usb-adapter, which does not exist now.");
    const TempFolder folder;
    const auto device = std::filesystem::canonical(folder.path()) / "ttyUSB1";
    std::ofstream(device).put('\n');
    std::filesystem::create_symlink("ttyUSB1", folder.path() / "usb-adapter-port0");
    settings.portMap().set(4, (folder.path() / "usb-adapter-port0").string());
    EXPECT_EQ(settings.describePort(3), "COM4 opens " +
                                            (folder.path() / "usb-adapter-port0").string() +
                                            ", which points to " + device.string() + " now.");
}

TEST_F(ComPortSettingsTest, LoadTakesOnlyCodesTheDialogCanMake) {
    settings.LoadComPort();
    EXPECT_EQ(settings.ComPort, 81);
    for (const char* bad : {"abc", "-1", "4096", "3", "48", "12"}) {
        store.write("QM4417", "Settings", "ComPort", bad);
        settings.ComPort = 0;
        settings.LoadComPort();
        EXPECT_EQ(settings.ComPort, 81) << bad;
    }
    store.write("QM4417", "Settings", "ComPort", "3904");
    settings.LoadComPort();
    EXPECT_EQ(settings.ComPort, 3904);
    EXPECT_EQ(store.writes, 7);  // only the test's own writes
}

TEST_F(ComPortSettingsTest, ApplyStoresTheChoiceEvenWhenThePortFails) {
    port.openError = "busy";
    settings.apply({.portIndex = 15, .stopBit = 0, .dataWidth = 1, .parity = 0, .baudRate = 0});
    EXPECT_EQ(settings.ComPort, 3904);
    EXPECT_EQ(port.settingsText, "4800,n,8,1");
    EXPECT_EQ(port.portNumberSet, 16);
    EXPECT_FALSE(settings.ComFlag);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(stored(), "3904");
}

}  // namespace
}  // namespace dialogs
