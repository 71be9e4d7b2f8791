#include <QListWidget>
#include <QTest>
#include <fstream>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/pages/property_sheet.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/tumbler_module/module_fixture.h"
#include "tools/tumbler_container/container_window.h"
#include "tools/tumbler_container/control_size.h"

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
    EXPECT_EQ(window_->hosted().control()->GetUserTypeName(), "Quill Switch Control");
    EXPECT_TRUE(window_->CreateControl("{9c681f67-7d55-11d4-8db5-004005399797}"));
    EXPECT_NE(window_->hosted().control(), nullptr);

    EXPECT_FALSE(window_->CreateControl("Tumbler.Nothing.1"));
    EXPECT_FALSE(window_->CreateControl("{9C681F6F-7D55-11D4-8DB5-004005399797}"));
    EXPECT_TRUE(window_->LogText().contains("Create Tumbler.Nothing.1 failed: 0x800401F3"));
    EXPECT_TRUE(window_->LogText().contains("failed: 0x80040154"));
}

TEST_F(ContainerTest, AMistypedNameLeavesTheCurrentControlHostedAsItWas) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    fw::ControlBase* control = window_->hosted().control();
    ASSERT_EQ(control->SetProperty(fw::kDispIdCaption, fw::Variant::String("Pump")), fw::kOk);
    EXPECT_FALSE(window_->CreateControl("Tumbler.TumblerCtl.1"));
    EXPECT_EQ(window_->hosted().control(), control);
    EXPECT_EQ(window_->host()->control(), control);
    EXPECT_EQ(control->ClientSite(), window_->host());
    EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "Pump");
    // Still wired to the container: a click reaches the log.
    control->DoClick();
    EXPECT_TRUE(window_->LogText().endsWith("Event Click (-600)"));
}

TEST_F(ContainerTest, LogsEditRequestsPropertyChangesAndTheModifiedFlagBesideEvents) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    window_->Invoke(fw::kDispIdCaption, fw::InvokeKind::PropertyPut, "\"Pump\"");
    window_->hosted().control()->DoClick();
    QCoreApplication::processEvents();  // the flag is read once the set has finished
    const auto file = data_.path() / "switch.props";
    ASSERT_TRUE(window_->SaveTo(file));
    const QString log = window_->LogText();
    EXPECT_TRUE(
        log.contains("Request edit Caption (-518): yes\n"
                     "Changed Caption (-518)\n"
                     "Put -518: 0x00000000\n"
                     "Modified\n"))
        << log.toStdString();
    EXPECT_TRUE(log.contains("Event Change (1)\nEvent Click (-600)\n"));
    EXPECT_TRUE(log.endsWith("(bag text): 0x00000000\nNot modified")) << log.toStdString();
    // A custom property tells the container nothing but the modified flag.
    ASSERT_TRUE(window_->LoadFrom(file));
    window_->Invoke(tumbler::dispid::kSwitchShape, fw::InvokeKind::PropertyPut, "3");
    EXPECT_TRUE(window_->LogText().endsWith("Put 2: 0x00000000\nModified"));
}

TEST_F(ContainerTest, ARefusedEditLeavesThePropertyAndTheFlag) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    window_->SetRefuseEdits(true);
    EXPECT_NE(window_->Invoke(fw::kDispIdCaption, fw::InvokeKind::PropertyPut, "\"Pump\""),
              fw::kOk);
    QCoreApplication::processEvents();
    EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "");
    const QString log = window_->LogText();
    EXPECT_TRUE(log.contains("Request edit Caption (-518): no\nPut -518: 0x")) << log.toStdString();
    EXPECT_FALSE(log.contains("Changed"));
    EXPECT_FALSE(log.contains("Modified"));

    window_->SetRefuseEdits(false);
    EXPECT_EQ(window_->Invoke(fw::kDispIdCaption, fw::InvokeKind::PropertyPut, "\"Pump\""),
              fw::kOk);
}

TEST_F(ContainerTest, HostsTheControlAtAFixedSizeOrFillingItsArea) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    window_->show();
    constexpr int m = container::ControlHost::kMargin;
    window_->SetControlSize(QSize(120, 90));
    const fw::Rect fixed{m, m, m + 120, m + 90};
    EXPECT_EQ(window_->hosted().control()->Bounds(), fixed);
    window_->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(window_->hosted().control()->Bounds(), fixed);
    // A load takes the stored extent; the site gives its size back.
    const auto file = data_.path() / "big.props";
    window_->hosted().control()->SetBounds({0, 0, 300, 200});
    ASSERT_TRUE(window_->SaveTo(file));
    ASSERT_TRUE(window_->LoadFrom(file));
    EXPECT_EQ(window_->hosted().control()->Bounds(), fixed);

    window_->SetControlSize(std::nullopt);
    const QSize area = window_->host()->size();
    EXPECT_EQ(window_->hosted().control()->Bounds(),
              (fw::Rect{m, m, area.width() - m, area.height() - m}));
}

TEST(ControlSizeOption, TakesWidthByHeightWithinBounds) {
    EXPECT_EQ(container::ParseControlSize("120x90"), QSize(120, 90));
    EXPECT_EQ(container::ParseControlSize("1x4096"), QSize(1, 4096));
    for (const char* bad : {"", "120", "120x", "x90", "0x90", "120x0", "-5x90", "120X90", " 120x90",
                            "120x90x3", "4097x10", "99999x99999", "1e2x90"}) {
        EXPECT_EQ(container::ParseControlSize(bad), std::nullopt) << bad;
    }
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

TEST_F(ContainerTest, SavesAndLoadsTheControlsPropertiesAsBagTextOrStream) {
    for (const char* name : {"switch.props", "switch.stream"}) {
        ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
        fw::ControlBase* control = window_->hosted().control();
        ASSERT_EQ(control->SetProperty(fw::kDispIdCaption, fw::Variant::String("Pump")), fw::kOk);
        ASSERT_EQ(control->SetProperty(tumbler::dispid::kLedDarkPrm, fw::Variant::Double(0.25)),
                  fw::kOk);
        const auto file = data_.path() / name;
        ASSERT_TRUE(window_->SaveTo(file));

        ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
        EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "");
        ASSERT_TRUE(window_->LoadFrom(file)) << name;
        EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "Pump") << name;
        EXPECT_EQ(Property(tumbler::dispid::kLedDarkPrm).AsDouble(), 0.25) << name;
    }
    // Each file holds its own form: the text names its values, the stream does not.
    const auto contents = [&](const char* name) {
        std::ifstream in(data_.path() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_NE(contents("switch.props").find("LedDarkPrm = double 0.25"), std::string::npos);
    EXPECT_EQ(contents("switch.stream").find("LedDarkPrm"), std::string::npos);
    EXPECT_FALSE(window_->LoadFrom(data_.path() / "missing.props"));
    // A bag's text is no stream.
    std::filesystem::copy_file(data_.path() / "switch.props", data_.path() / "text.stream");
    EXPECT_FALSE(window_->LoadFrom(data_.path() / "text.stream"));
    EXPECT_TRUE(window_->LogText().endsWith("text.stream (stream): 0x80030109"));
}

TEST_F(ContainerTest, PropertiesShowTheSheetTheControlItselfDescribes) {
    ASSERT_TRUE(window_->CreateControl("Tumbler.TumblerCtrl.1"));
    std::unique_ptr<fw::PropertySheet> sheet(window_->NewPropertySheet());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Quill Switch Control Properties"));
    const std::vector<fw::Guid> pages = window_->hosted().control()->GetPropertyPages();
    ASSERT_EQ(sheet->PageCount(), static_cast<int>(pages.size()));
    for (int i = 0; i < sheet->PageCount(); ++i) EXPECT_EQ(sheet->Page(i)->GetClassId(), pages[i]);
    EXPECT_EQ(sheet->Page(0)->caption(), "General");
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
