#include <QListWidget>
#include <QTest>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/pages/property_sheet.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/tumbler_module/module_fixture.h"
#include "tools/tumbler_container/container_window.h"

namespace fw = tumbler::framework;

namespace {

class ContainerTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        ASSERT_EQ(Call("DllRegisterServer"), fw::kOk);
        // The registry of this test's data folder, known only after the fixture's set-up.
        registry_ = std::make_unique<fw::ClassRegistry>();
        window_ = std::make_unique<container::ContainerWindow>(*registry_);
    }
    void TearDown() override {
        window_.reset();
        ModuleTest::TearDown();
    }
    fw::Variant Property(fw::DispId id) const {
        fw::Variant value;
        EXPECT_EQ(window_->hosted().control()->GetProperty(id, &value), fw::kOk);
        return value;
    }

    std::unique_ptr<fw::ClassRegistry> registry_;
    std::unique_ptr<container::ContainerWindow> window_;
};

}  // namespace

TEST_F(ContainerTest, CreatesByProgIdOrClassIdentifierAndRefusesUnknownNames) {
    EXPECT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    EXPECT_EQ(window_->hosted().clsid(), tumbler::kClsidTumbler);
    EXPECT_EQ(window_->hosted().TypeName(), "Quill Switch Control");
    EXPECT_TRUE(window_->CreateControl("{9c681f67-7d55-11d4-8db5-004005399797}"));
    EXPECT_NE(window_->hosted().control(), nullptr);

    EXPECT_FALSE(window_->CreateControl("Tumbler.Nothing.1"));
    EXPECT_EQ(window_->hosted().control(), nullptr);
    EXPECT_FALSE(window_->CreateControl("{9C681F6F-7D55-11D4-8DB5-004005399797}"));
    EXPECT_TRUE(window_->LogText().contains("Create Tumbler.Nothing.1 failed: 0x800401F3"));
    EXPECT_TRUE(window_->LogText().contains("failed: 0x80040154"));
}

TEST_F(ContainerTest, AClickInTheControlFlipsItAndLogsChangeThenClick) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    window_->show();
    const fw::Rect bounds = window_->host()->ControlBounds();
    QTest::mouseClick(window_->host(), Qt::LeftButton, {},
                      QPoint((bounds.l + bounds.r) / 2, (bounds.t + bounds.b) / 2));
    EXPECT_TRUE(Property(tumbler::dispid::kValue).IsTrue());
    const QString log = window_->LogText();
    EXPECT_TRUE(log.contains("Event Change (1)\nEvent Click (-600)")) << log.toStdString();
}

TEST_F(ContainerTest, InvokesByDispidAndReportsTheResult) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    EXPECT_EQ(window_->Invoke(tumbler::dispid::kSwitchShape, fw::InvokeKind::PropertyPut, "4"),
              fw::kOk);
    EXPECT_EQ(window_->Invoke(tumbler::dispid::kSwitchShape, fw::InvokeKind::PropertyGet, ""),
              fw::kOk);
    EXPECT_EQ(window_->Invoke(tumbler::dispid::kVer, fw::InvokeKind::PropertyPut, "\"2\""),
              fw::kSetNotSupported);
    EXPECT_TRUE(window_->LogText().contains("Get 2: 0x00000000 = 4"));
}

TEST_F(ContainerTest, SavesAndLoadsTheControlsProperties) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    fw::ControlBase* control = window_->hosted().control();
    ASSERT_EQ(control->SetProperty(fw::kDispIdCaption, fw::Variant::String("Pump")), fw::kOk);
    ASSERT_EQ(control->SetProperty(tumbler::dispid::kLedDarkPrm, fw::Variant::Double(0.25)),
              fw::kOk);
    const auto file = data_.path() / "switch.props";
    ASSERT_TRUE(window_->SaveTo(file));

    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "");
    ASSERT_TRUE(window_->LoadFrom(file));
    EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "Pump");
    EXPECT_EQ(Property(tumbler::dispid::kLedDarkPrm).AsDouble(), 0.25);
    EXPECT_FALSE(window_->LoadFrom(data_.path() / "missing.props"));
}

TEST_F(ContainerTest, ReleaseLetsTheModuleGoOnlyWhenNothingOfItLives) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    std::unique_ptr<fw::PropertySheet> sheet(window_->NewPropertySheet());
    ASSERT_EQ(sheet->PageCount(), 3);
    // The sheet's General page is an object of the module.
    window_->ReleaseControl();
    EXPECT_TRUE(window_->hosted().ModuleLoaded());
    EXPECT_TRUE(window_->LogText().endsWith("Released; module stays loaded"));

    sheet.reset();
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    window_->ReleaseControl();
    EXPECT_FALSE(window_->hosted().ModuleLoaded());
    EXPECT_TRUE(window_->LogText().endsWith("Released; module unloaded"));
}

TEST_F(ContainerTest, ListsRegisteredControlsWithTheirToolboxBitmap) {
    auto* list = window_->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 1);  // the property page is no control
    EXPECT_TRUE(list->item(0)->text().startsWith("Quill Switch Control"));
    EXPECT_EQ(list->item(0)->icon().availableSizes().value(0), QSize(16, 15));
}
