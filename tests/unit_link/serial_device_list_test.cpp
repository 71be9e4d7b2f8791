// The serial devices present, read from a made-up tree shaped like /dev and /sys of a machine
// with a UART, an FTDI adapter and an Arduino: links and attributes as udev and the kernel
// make them, relative links included.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/serial_device.h"
#include "platform/serial_device_list.h"
#include "tests/tumbler_module/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

const char* const kFtdiById = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
const char* const kFtdiByPath = "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0";
const char* const kFtdiByPathV2 = "/dev/serial/by-path/pci-0000:00:14.0-usbv2-0:2:1.0-port0";
const char* const kArduinoById = "/dev/serial/by-id/usb-Arduino_Uno_8573-if00";
const char* const kUsbBus = "sys/devices/pci0000:00/0000:00:14.0/usb1";

class DeviceTree : public ::testing::Test {
  protected:
    void file(const fs::path& relative, const std::string& text = "") {
        fs::create_directories((root() / relative).parent_path());
        std::ofstream(root() / relative) << text;
    }
    void link(const fs::path& relative, const fs::path& target) {
        fs::create_directories((root() / relative).parent_path());
        fs::create_symlink(target, root() / relative);
    }
    void usbDevice(const std::string& device, const std::string& vendor, const std::string& product,
                   const std::string& maker, const std::string& name, const std::string& serial) {
        const fs::path at = fs::path(kUsbBus) / device;
        file(at / "idVendor", vendor + "\n");
        file(at / "idProduct", product + "\n");
        if (!maker.empty()) file(at / "manufacturer", maker + "\n");
        if (!name.empty()) file(at / "product", name + "\n");
        if (!serial.empty()) file(at / "serial", serial + "\n");
    }
    // A tty as the kernel lists it: its class entry a link into the device tree, whose
    // "device" link points at the folder of what drives it.
    void tty(const std::string& name, const fs::path& owner, const fs::path& deviceLink) {
        fs::create_directories(root() / owner / "tty" / name);
        link(owner / "tty" / name / "device", deviceLink);
        link("sys/class/tty/" + name,
             fs::path("../..") / owner.lexically_relative("sys") / "tty" / name);
        file("dev/" + name);
    }
    void uart(const std::string& name, const std::string& type) {
        const fs::path owner = "sys/devices/pnp0/00:0" + name.substr(4);
        tty(name, owner, "../../../" + owner.filename().string());
        file(owner / "tty" / name / "type", type + "\n");
    }

    // A machine with ttyS0 (a UART), ttyS1 (no UART), ttyS10, an FTDI adapter and an Arduino.
    void buildMachine() {
        uart("ttyS0", "4");
        uart("ttyS1", "0");
        uart("ttyS10", "4");
        usbDevice("1-2", "0403", "6001", "FTDI", "FT232R USB UART", "A50285BI");
        const fs::path ftdiPort = fs::path(kUsbBus) / "1-2/1-2:1.0/ttyUSB0";
        tty("ttyUSB0", ftdiPort, "../../../ttyUSB0");
        usbDevice("1-3", "2341", "0043", "Arduino (www.arduino.cc)", "", "8573");
        tty("ttyACM0", fs::path(kUsbBus) / "1-3/1-3:1.0", "../../../1-3:1.0");
        // Not serial devices, or not there: never listed.
        tty("tty0", "sys/devices/virtual/tty", "../../..");
        fs::create_directories(root() / "sys/class/tty/ttyUSB7");
        link(fs::path(kFtdiById).relative_path(), "../../ttyUSB0");
        link(fs::path(kFtdiByPath).relative_path(), "../../ttyUSB0");
        link(fs::path(kFtdiByPathV2).relative_path(), "../../ttyUSB0");
        link(fs::path(kArduinoById).relative_path(), "../../ttyACM0");
    }

    const fs::path& root() const { return folder_.path(); }

  private:
    TempFolder folder_;
};

TEST_F(DeviceTree, ListsPresentSerialDevicesInKernelOrderWithTheirNames) {
    buildMachine();
    const auto devices = ListSerialDevices(root());
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0].device, "/dev/ttyS0");
    EXPECT_EQ(devices[1].device, "/dev/ttyS10");  // ttyS1 has no UART behind it
    EXPECT_EQ(devices[2].device, "/dev/ttyUSB0");
    EXPECT_EQ(devices[3].device, "/dev/ttyACM0");

    EXPECT_TRUE(devices[0].byId.empty());
    EXPECT_FALSE(devices[0].usb);
    EXPECT_EQ(devices[2].byId, std::vector<std::string>{kFtdiById});
    EXPECT_EQ(devices[2].byPath, (std::vector<std::string>{kFtdiByPath, kFtdiByPathV2}));
    ASSERT_TRUE(devices[2].usb);
    EXPECT_EQ(devices[2].usb->vendorId, "0403");
    EXPECT_EQ(devices[2].usb->productId, "6001");
    EXPECT_EQ(devices[2].usb->manufacturer, "FTDI");
    EXPECT_EQ(devices[2].usb->product, "FT232R USB UART");
    EXPECT_EQ(devices[2].usb->serial, "A50285BI");
    ASSERT_TRUE(devices[3].usb);
    EXPECT_EQ(devices[3].usb->vendorId, "2341");
    EXPECT_EQ(devices[3].usb->product, "");
}

TEST_F(DeviceTree, EachDeviceIsOneLineWithWhatItHas) {
    buildMachine();
    const auto devices = ListSerialDevices(root());
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(SerialDeviceLine(devices[0]), "/dev/ttyS0");
    EXPECT_EQ(SerialDeviceLine(devices[2]), std::string("/dev/ttyUSB0  by-id ") + kFtdiById +
                                                "  by-path " + kFtdiByPath + "  by-path " +
                                                kFtdiByPathV2 +
                                                "  usb 0403:6001  vendor \"FTDI\"  product "
                                                "\"FT232R USB UART\"  serial \"A50285BI\"");
    EXPECT_EQ(SerialDeviceLine(devices[3]),
              std::string("/dev/ttyACM0  by-id ") + kArduinoById +
                  "  usb 2341:0043  vendor \"Arduino (www.arduino.cc)\"  serial \"8573\"");
}

TEST_F(DeviceTree, QuotesInADeviceDescriptionAreEscaped) {
    usbDevice("1-4", "1a86", "7523", "", "say \"hi\" \\o/", "");
    tty("ttyUSB1", fs::path(kUsbBus) / "1-4/1-4:1.0/ttyUSB1", "../../../ttyUSB1");
    const auto devices = ListSerialDevices(root());
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(SerialDeviceLine(devices[0]),
              "/dev/ttyUSB1  usb 1a86:7523  product \"say \\\"hi\\\" \\\\o/\"");
}

TEST_F(DeviceTree, AnEmptyOrMissingTreeListsNothing) {
    EXPECT_TRUE(ListSerialDevices(root()).empty());
    EXPECT_TRUE(ListSerialDevices(root() / "nowhere").empty());
}

TEST_F(DeviceTree, MappableNamesOfferEveryByIdNameFirst) {
    buildMachine();
    const auto names = MappableNames(ListSerialDevices(root()));
    std::vector<std::string> offered;
    for (const auto& name : names) offered.push_back(name.name);
    EXPECT_EQ(offered, (std::vector<std::string>{kFtdiById, kArduinoById, kFtdiByPath,
                                                 kFtdiByPathV2, "/dev/ttyS0", "/dev/ttyS10",
                                                 "/dev/ttyUSB0", "/dev/ttyACM0"}));
    EXPECT_EQ(names[0].description, "ttyUSB0, FTDI FT232R USB UART");
    EXPECT_EQ(names[1].description, "ttyACM0, Arduino (www.arduino.cc)");
    EXPECT_EQ(names[4].description, "ttyS0");
}

// The tooltips' words for a stable name: where it points now, or that it is gone.
TEST_F(DeviceTree, ALinkIsDescribedByTheDeviceItPointsToNow) {
    file("dev/ttyUSB1");
    link("dev/serial/by-id/usb-x", "../../ttyUSB1");
    const std::string name = (root() / "dev/serial/by-id/usb-x").string();
    const std::string device = fs::canonical(root() / "dev/ttyUSB1").string();
    EXPECT_EQ(PortDeviceText(2, DescribeDevice(name)),
              "COM2 opens " + name + ", which points to " + device + " now.");
    EXPECT_EQ(PortDeviceText(2, DescribeDevice(device)),
              "COM2 opens " + device + ", which is present now.");
    // Unplugged: udev removes the node and the link dangles, or goes too.
    fs::remove(root() / "dev/ttyUSB1");
    EXPECT_EQ(PortDeviceText(2, DescribeDevice(name)),
              "COM2 opens " + name + ", which does not exist now.");
}

}  // namespace
}  // namespace platform
