// The port-map dialog's work without widgets: rows, edits, and OK storing as `ports set` does.
#include "dialogs/port_map_edit.h"

#include <gtest/gtest.h>

#include "platform/fakes/fake_settings_store.h"

namespace dialogs {
namespace {

class PortMapEditTest : public testing::Test {
  protected:
    std::string stored(int number) {
        return store.read("QM4417", "Ports", "COM" + std::to_string(number), "<none>");
    }

    platform::FakeSettingsStore store;
    platform::ComPortMap ports{store, "QM4417"};
};

TEST_F(PortMapEditTest, RowsShowWhatEachEntryOpensAndMarkEdits) {
    ports.set(3, "/dev/serial/by-id/usb-x");
    PortMapEdit edit(ports);
    EXPECT_EQ(edit.rowText(0), "COM1  /dev/ttyS0");
    EXPECT_EQ(edit.rowText(2), "COM3  /dev/serial/by-id/usb-x");
    EXPECT_EQ(edit.entry(0), "");
    EXPECT_EQ(edit.entry(2), "/dev/serial/by-id/usb-x");
    edit.edit(15, "/dev/ttyUSB3");
    EXPECT_EQ(edit.rowText(15), "COM16  /dev/ttyUSB3  (changed)");
    edit.edit(15, "");
    EXPECT_FALSE(edit.edited(15));
    EXPECT_EQ(edit.describe(2), ports.describe(3));
}

TEST_F(PortMapEditTest, OkStoresEveryEditAndAnEmptyEntryResets) {
    ports.set(2, "/dev/ttyUSB0");
    PortMapEdit edit(ports);
    edit.edit(0, "/dev/serial/by-id/usb-y");
    edit.edit(1, "");
    const int writesBefore = store.writes;
    EXPECT_FALSE(edit.store());
    EXPECT_EQ(stored(1), "/dev/serial/by-id/usb-y");
    EXPECT_FALSE(ports.isMapped(2));
    EXPECT_EQ(store.writes - writesBefore, 2);  // unedited entries are left alone
    EXPECT_FALSE(edit.edited(0));
    EXPECT_EQ(edit.rowText(1), "COM2  /dev/ttyS1");
}

TEST_F(PortMapEditTest, AMalformedNameStopsOkAndNothingIsStored) {
    PortMapEdit edit(ports);
    edit.edit(0, "rfc2217://cab7-ds:4001");
    edit.edit(4, "tcp://cab7-ds");
    edit.edit(6, "rfc2217://[::1]:0");
    const auto refused = edit.store();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->portIndex, 4);
    EXPECT_EQ(refused->reason, "no port after the host (tcp://HOST:PORT)");
    EXPECT_EQ(store.writes, 0);
    EXPECT_TRUE(edit.edited(0));  // the edits are kept for the operator to mend
    edit.edit(4, "tcp://cab7-ds:4000");
    edit.edit(6, "");
    EXPECT_FALSE(edit.store());
    EXPECT_EQ(stored(1), "rfc2217://cab7-ds:4001");
    EXPECT_EQ(stored(5), "tcp://cab7-ds:4000");
}

}  // namespace
}  // namespace dialogs
