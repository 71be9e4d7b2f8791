// The port-map dialog and the settings dialog's "Map..." button that opens it.
#include "dialogs/frm_port_map.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "com_port_settings_fixture.h"
#include "dialogs/frm_com_setting.h"
#include "tests/tumbler_module/temp_folder.h"
#include "tests/widgets/window_child.h"

namespace dialogs {
namespace {

namespace fs = std::filesystem;

const char* const kById = "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0";

class FrmPortMapTest : public ComPortSettingsFixture {
  protected:
    // A machine with one USB adapter, ttyUSB0, and its by-id link.
    FrmPortMapTest() {
        const fs::path& root = folder.path();
        fs::create_directories(root / "dev/serial/by-id");
        fs::create_directories(root / "sys/class/tty/ttyUSB0");
        std::ofstream(root / "dev/ttyUSB0").put('\n');
        fs::create_symlink("../../ttyUSB0", root / fs::path(kById).relative_path());
        settings.setDeviceRoot(root);
    }

    static QStringList Texts(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }

    TempFolder folder;
};

TEST_F(FrmPortMapTest, ShowsEveryPortAndTheDevicesPresentByIdFirst) {
    frmPortMap dialog(settings, 2);
    dialog.show();
    const auto* ports = Child<QListWidget>(dialog, "lstPorts");
    ASSERT_EQ(ports->count(), 16);
    EXPECT_EQ(ports->item(0)->text(), "COM1  /dev/ttyS0");
    EXPECT_EQ(ports->item(15)->text(), "COM16  /dev/ttyS15");
    EXPECT_EQ(ports->currentRow(), 2);
    EXPECT_EQ(ports->item(2)->toolTip().toStdString(), settings.describePort(2));
    EXPECT_EQ(Texts(Child<QListWidget>(dialog, "lstDevices")),
              (QStringList{QString(kById) + "  (ttyUSB0)", "/dev/ttyUSB0  (ttyUSB0)"}));
}

TEST_F(FrmPortMapTest, APickedDeviceGoesIntoTheFieldAndOkStoresIt) {
    frmPortMap dialog(settings, 2);
    dialog.show();
    auto* devices = Child<QListWidget>(dialog, "lstDevices");
    const QRect first = devices->visualItemRect(devices->item(0));
    QTest::mouseClick(devices->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtEntry")->text(), kById);
    EXPECT_EQ(Child<QListWidget>(dialog, "lstPorts")->item(2)->text(),
              QString("COM3  ") + kById + "  (changed)");
    EXPECT_EQ(store.writes, 0);
    Child<QPushButton>(dialog, "cmdOk")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(store.read("QM4417", "Ports", "COM3", ""), kById);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FrmPortMapTest, TypedNamesEditTheSelectedEntryAndCancelStoresNothing) {
    settings.portMap().set(5, "/dev/ttyUSB4");
    frmPortMap dialog(settings, 0);
    dialog.show();
    auto* ports = Child<QListWidget>(dialog, "lstPorts");
    auto* field = Child<QLineEdit>(dialog, "txtEntry");
    EXPECT_EQ(field->text(), "");
    ports->setCurrentRow(4);
    EXPECT_EQ(field->text(), "/dev/ttyUSB4");
    field->selectAll();
    QTest::keyClicks(field, "/dev/ttyACM0");
    EXPECT_EQ(ports->item(4)->text(), "COM5  /dev/ttyACM0  (changed)");
    ports->setCurrentRow(5);
    QTest::keyClicks(field, "/dev/ttyACM1");
    const int writes = store.writes;
    Child<QPushButton>(dialog, "cmdCancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(store.writes, writes);
    EXPECT_EQ(store.read("QM4417", "Ports", "COM5", ""), "/dev/ttyUSB4");
}

TEST_F(FrmPortMapTest, OkRefusesAMalformedNameWithItsReasonAndStaysOpen) {
    frmPortMap dialog(settings, 0);
    dialog.show();
    Child<QListWidget>(dialog, "lstPorts")->setCurrentRow(2);
    QTest::keyClicks(Child<QLineEdit>(dialog, "txtEntry"), "rfc2217://cab7-ds");
    Child<QListWidget>(dialog, "lstPorts")->setCurrentRow(0);
    Child<QPushButton>(dialog, "cmdOk")->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417");
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(boxes.shown[0].text,
              "COM3 cannot open \"rfc2217://cab7-ds\": no port after the host "
              "(rfc2217://HOST:PORT)");
    EXPECT_EQ(Child<QListWidget>(dialog, "lstPorts")->currentRow(), 2);  // back on the bad one
    EXPECT_EQ(store.writes, 0);
}

TEST_F(FrmPortMapTest, RefreshLooksForDevicesAgain) {
    frmPortMap dialog(settings, 0);
    dialog.show();
    std::ofstream(folder.path() / "dev/ttyACM0").put('\n');
    fs::create_directories(folder.path() / "sys/class/tty/ttyACM0");
    Child<QPushButton>(dialog, "cmdRefresh")->click();
    EXPECT_TRUE(
        Texts(Child<QListWidget>(dialog, "lstDevices")).contains("/dev/ttyACM0  (ttyACM0)"));
}

TEST_F(FrmPortMapTest, MapSitsBesideThePortBoxAndOpensOnItsPort) {
    frmComSetting settingsDialog(settings);
    settingsDialog.show();
    const auto* box = Child<QComboBox>(settingsDialog, "cmbPortNo");
    auto* map = Child<QPushButton>(settingsDialog, "cmdMap");
    EXPECT_EQ(map->text(), "Map...");
    EXPECT_FALSE(map->autoDefault());
    EXPECT_GT(map->geometry().left(), box->geometry().right());
    EXPECT_EQ(map->geometry().top(), box->geometry().top());
    EXPECT_LE(map->geometry().right(), settingsDialog.width());
    for (const QWidget* other : settingsDialog.findChildren<QWidget*>()) {
        if (other == map || other->parentWidget() != &settingsDialog) continue;
        EXPECT_FALSE(other->geometry().intersects(map->geometry()))
            << other->objectName().toStdString();
    }

    // Mapped from the Map dialog, the settings dialog's tooltip tells the new device at once.
    Child<QComboBox>(settingsDialog, "cmbPortNo")->setCurrentIndex(6);
    int openedOn = -1;
    QTimer::singleShot(0, [&] {
        auto* open = qobject_cast<frmPortMap*>(QApplication::activeModalWidget());
        ASSERT_NE(open, nullptr);
        openedOn = Child<QListWidget>(*open, "lstPorts")->currentRow();
        QTest::keyClicks(Child<QLineEdit>(*open, "txtEntry"), "/nonexistent/ttyUSB9");
        Child<QPushButton>(*open, "cmdOk")->click();
    });
    map->click();
    EXPECT_EQ(openedOn, 6);
    EXPECT_EQ(box->itemData(6, Qt::ToolTipRole).toString(),
              "COM7 opens /nonexistent/ttyUSB9, which does not exist now.");
}

}  // namespace
}  // namespace dialogs
