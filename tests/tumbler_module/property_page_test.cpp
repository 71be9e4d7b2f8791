#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/control/control_property_access.h"
#include "switch_control/framework/control/control_site.h"
#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/pages/dialog_template.h"
#include "switch_control/framework/pages/page_class_factory.h"
#include "switch_control/framework/pages/property_sheet.h"
#include "switch_control/framework/pages/stock_color_page.h"
#include "switch_control/framework/pages/stock_font_page.h"
#include "switch_control/property_page/tumbler_prop_page.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/tumbler_module/module_fixture.h"

namespace fw = tumbler::framework;

namespace {

class EventLog : public fw::EventSink {
  public:
    void OnEvent(fw::DispId id) override { events.push_back(id); }
    std::vector<fw::DispId> events;
};

// A registered module, one control made by its factory, and that control's
// property sheet with its three pages.
class PageTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        ASSERT_EQ(Call("DllRegisterServer"), fw::kOk);
        object_ = fw::GetClassObject(Registry(), tumbler::kClsidTumbler);
        ASSERT_NE(object_.factory, nullptr);
        control_ = object_.factory->CreateControl();
        ASSERT_TRUE(control_);
        cookie_ = control_->Advise(&log_);
        access_ = std::make_unique<fw::ControlPropertyAccess>(*control_);
        sheet_ = std::make_unique<fw::PropertySheet>(
            "Tumbler Properties", std::vector<fw::PropertyAccess*>{access_.get()},
            object_.factory->PropertyPages(), Registry());
        ASSERT_EQ(sheet_->PageCount(), 3);
        page_ = sheet_->Page(0);
    }
    void TearDown() override {
        sheet_.reset();
        control_->Unadvise(cookie_);
        access_.reset();
        control_.reset();
        ModuleTest::TearDown();
    }

    template <typename T>
    T* Item(int id) const {
        T* widget = fw::DialogItemAs<T>(page_, id);
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    QString ListText(int id) const { return Item<QComboBox>(id)->currentText(); }
    void Pick(int id, int index) {
        auto* list = Item<QComboBox>(id);
        list->setCurrentIndex(index);
        emit list->activated(index);  // what a user's pick sends
    }
    fw::Variant Property(fw::DispId id) const {
        fw::Variant value;
        EXPECT_EQ(control_->GetProperty(id, &value), fw::kOk);
        return value;
    }

    fw::ClassObject object_;
    std::shared_ptr<fw::ControlBase> control_;
    std::unique_ptr<fw::ControlPropertyAccess> access_;
    std::unique_ptr<fw::PropertySheet> sheet_;
    fw::PropertyPage* page_ = nullptr;
    EventLog log_;
    std::uint32_t cookie_ = 0;
};

}  // namespace

TEST_F(PageTest, SheetShowsGeneralThenColoursThenFonts) {
    EXPECT_EQ(sheet_->Tabs()->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(sheet_->Tabs()->tabText(1), QStringLiteral("Colors"));
    EXPECT_EQ(sheet_->Tabs()->tabText(2), QStringLiteral("Fonts"));
    EXPECT_NE(dynamic_cast<fw::StockColorPage*>(sheet_->Page(1)), nullptr);
    EXPECT_NE(dynamic_cast<fw::StockFontPage*>(sheet_->Page(2)), nullptr);
}

TEST_F(PageTest, OpensOnANewControlWithItsDefaults) {
    EXPECT_EQ(ListText(201), QStringLiteral("1-3D"));
    EXPECT_EQ(ListText(202), QStringLiteral("1-実線"));
    EXPECT_EQ(ListText(203), QStringLiteral("0-type1 (ノーマル)"));
    EXPECT_EQ(ListText(204), QStringLiteral("0-垂直"));
    EXPECT_EQ(ListText(205), QStringLiteral("0-上"));
    EXPECT_EQ(Item<QLineEdit>(206)->text(), QString());
    EXPECT_FALSE(Item<QCheckBox>(209)->isChecked());
    EXPECT_FALSE(page_->IsDirty());
}

TEST_F(PageTest, ListsHoldTheirItemsInValueOrder) {
    const auto items = [&](int id) {
        QStringList texts;
        auto* list = Item<QComboBox>(id);
        for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
        return texts;
    };
    EXPECT_EQ(items(201), QStringList({"0-ﾌﾗｯﾄ", "1-3D"}));
    EXPECT_EQ(items(202), QStringList({"0-なし", "1-実線"}));
    EXPECT_EQ(items(203),
              QStringList({"0-type1 (ノーマル)", "1-type2 (ノーマル ランプ付き)",
                           "2-type3 (バー型スイッチ)\u3000", "3-type4 (プッシュボタン 角型)",
                           "4-type5 (プッシュボタン 丸型)", "5-type6 (照光式ボタン 角型)",
                           "6-type7 (照光式ボタン 丸型)"}));
    EXPECT_EQ(items(204), QStringList({"0-垂直", "1-水平"}));
    EXPECT_EQ(items(205), QStringList({"0-上", "1-下"}));
}

TEST_F(PageTest, ChoosingType5AndApplyingSetsTheShapeOnly) {
    ASSERT_EQ(control_->SetProperty(fw::kDispIdCaption, fw::Variant::String("kept")), fw::kOk);
    control_->SetProperty(tumbler::dispid::kLedColor, fw::Variant::Color(0x00FF00));
    Pick(203, 4);
    EXPECT_EQ(ListText(203), QStringLiteral("4-type5 (プッシュボタン 丸型)"));
    EXPECT_TRUE(page_->IsDirty());
    EXPECT_EQ(sheet_->ApplyAll(), fw::kOk);
    EXPECT_EQ(Property(tumbler::dispid::kSwitchShape).Integer(), 4);
    EXPECT_FALSE(page_->IsDirty());
    EXPECT_TRUE(log_.events.empty());  // no Value set, so no Change
}

TEST_F(PageTest, CheckingTheBoxAndApplyingTurnsTheSwitchOnAndFiresChange) {
    Item<QCheckBox>(209)->click();
    EXPECT_EQ(sheet_->ApplyAll(), fw::kOk);
    EXPECT_TRUE(Property(tumbler::dispid::kValue).IsTrue());
    EXPECT_EQ(log_.events, std::vector<fw::DispId>({tumbler::dispid::kChange}));
}

TEST_F(PageTest, EditedCaptionIsWrittenOnApply) {
    QTest::keyClicks(Item<QLineEdit>(206), QStringLiteral("Lamp A"));
    EXPECT_EQ(sheet_->ApplyAll(), fw::kOk);
    EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "Lamp A");
}

TEST_F(PageTest, AShapeWithoutAnItemShowsAnEmptyListAndIsNotWrittenBack) {
    ASSERT_EQ(control_->SetProperty(tumbler::dispid::kSwitchShape, fw::Variant::Long(9)), fw::kOk);
    page_->SetObjects({access_.get()});
    EXPECT_EQ(Item<QComboBox>(203)->currentIndex(), -1);
    EXPECT_EQ(ListText(203), QString());
    Pick(204, 1);  // another change goes through alone
    EXPECT_EQ(sheet_->ApplyAll(), fw::kOk);
    EXPECT_EQ(Property(tumbler::dispid::kSwitchShape).Integer(), 9);
    EXPECT_EQ(Property(tumbler::dispid::kAlignment).Integer(), 1);
}

TEST_F(PageTest, ColourPageListsTheFourColoursAndWritesTheChosenOne) {
    auto* page = dynamic_cast<fw::StockColorPage*>(sheet_->Page(1));
    ASSERT_NE(page, nullptr);
    auto* names = fw::DialogItemAs<QComboBox>(page, fw::StockPage::kIdProperty);
    QStringList listed;
    for (int i = 0; i < names->count(); ++i) listed << names->itemText(i);
    EXPECT_EQ(listed, QStringList({"BackColor", "ForeColor", "CaptionColor", "LedColor"}));
    names->setCurrentIndex(3);
    fw::DialogItemAs<QPushButton>(page, fw::StockColorPage::kIdFirstSwatch + 10)->click();
    EXPECT_EQ(sheet_->ApplyAll(), fw::kOk);
    EXPECT_EQ(Property(tumbler::dispid::kLedColor).AsColor(), 0x00FF00u);
    EXPECT_EQ(Property(tumbler::dispid::kCaptionColor).AsColor(), 0x000000u);
}

TEST_F(PageTest, FontPageWritesTheStockFont) {
    auto* page = sheet_->Page(2);
    fw::DialogItemAs<QCheckBox>(page, fw::StockFontPage::kIdBold)->click();
    EXPECT_EQ(sheet_->ApplyAll(), fw::kOk);
    EXPECT_EQ(Property(fw::kDispIdFont).AsFont().weight, 700);
}

TEST_F(PageTest, OnlyTheSwitchBoxHasItsTextOnTheLeft) {
    EXPECT_EQ(Item<QCheckBox>(209)->layoutDirection(), Qt::RightToLeft);
    auto* fontPage = sheet_->Page(2);
    for (int id : {fw::StockFontPage::kIdBold, fw::StockFontPage::kIdItalic,
                   fw::StockFontPage::kIdUnderline, fw::StockFontPage::kIdStrikeOut}) {
        EXPECT_EQ(fw::DialogItemAs<QCheckBox>(fontPage, id)->layoutDirection(), Qt::LeftToRight)
            << id;
    }
}

TEST_F(PageTest, OkOverARefusedSetReportsItAndKeepsTheSheetOpen) {
    class RefusingSite : public fw::ControlSite {
        bool RequestEdit(fw::DispId) override { return false; }
    } site;
    control_->SetClientSite(&site);
    QTest::keyClicks(Item<QLineEdit>(206), QStringLiteral("STOP"));
    sheet_->show();
    QString warning;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warning = box->text();
            box->accept();
        }
    });
    sheet_->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QTest::qWait(150);
    EXPECT_TRUE(warning.contains(QStringLiteral("did not permit"))) << warning.toStdString();
    EXPECT_TRUE(sheet_->isVisible());
    EXPECT_NE(sheet_->result(), QDialog::Accepted);
    EXPECT_EQ(Property(fw::kDispIdCaption).AsString(), "");
    control_->SetClientSite(nullptr);
}

TEST_F(PageTest, AboutBoxReturnsOnlyAfterOk) {
    bool returned = false;
    QString seenTitle;
    int polls = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (++polls > 250) poll.stop();  // bounded: fail rather than hang
            return;
        }
        poll.stop();
        seenTitle = box->windowTitle();
        EXPECT_FALSE(returned);
        EXPECT_TRUE(box->isModal());
        EXPECT_FALSE(box->findChildren<QLabel*>().isEmpty());
        // Until OK is pressed the box stays up and the call does not return.
        QTest::qWait(50);
        EXPECT_FALSE(returned);
        EXPECT_TRUE(box->isVisible());
        fw::DialogItemAs<QPushButton>(box, 1)->click();
    });
    poll.start();
    EXPECT_EQ(control_->CallMethod(fw::kDispIdAboutBox), fw::kOk);
    returned = true;
    EXPECT_EQ(seenTitle, QStringLiteral("About Tumbler Control"));
}

TEST_F(PageTest, AboutBoxIsOwnedByTheContainersWindowAtItsTemplatesPlace) {
    QWidget containerWindow;
    containerWindow.setGeometry(200, 150, 400, 300);
    containerWindow.show();
    class WindowSite : public fw::ControlSite {
      public:
        explicit WindowSite(QWidget* window) : window_(window) {}
        void* ContainerWindow() const override { return window_; }
        QWidget* window_;
    } site(&containerWindow);
    control_->SetClientSite(&site);
    QWidget* owner = nullptr;
    QPoint place, expected;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            owner = box->parentWidget();
            place = box->pos();
            const fw::DialogUnits units(box->font());
            expected = containerWindow.mapToGlobal(QPoint(units.X(34), units.Y(22)));
            box->accept();
        }
    });
    EXPECT_EQ(control_->CallMethod(fw::kDispIdAboutBox), fw::kOk);
    EXPECT_EQ(owner, &containerWindow);
    EXPECT_EQ(place, expected);
    control_->SetClientSite(nullptr);
}

TEST_F(PageTest, GeneralPageCarriesItsHelpInformation) {
    EXPECT_EQ(page_->helpInfo().docString, "Names to appear in the control");
    EXPECT_EQ(page_->helpInfo().helpFile, "Tumbler.HLP");
    EXPECT_EQ(page_->helpInfo().helpContext, 0u);
    EXPECT_TRUE(sheet_->Page(1)->helpInfo().docString.empty());
}

// No module is "current": each page takes its caption from the module whose factory makes it,
// and counts as that module's object.
TEST(PageFactory, APageIsCaptionedFromTheModuleThatMakesIt) {
    static int anchor;
    fw::ModuleState english("english", &anchor, {{200, "General"}});
    fw::ModuleState german("german", &anchor, {{200, "Allgemein"}});
    const fw::PageClassFactory<tumbler::CTumblerPropPage> first(english, {});
    const fw::PageClassFactory<tumbler::CTumblerPropPage> second(german, {});
    std::unique_ptr<fw::PropertyPage> a(first.CreatePage(nullptr));
    std::unique_ptr<fw::PropertyPage> b(second.CreatePage(nullptr));
    EXPECT_EQ(a->caption(), "General");
    EXPECT_EQ(b->caption(), "Allgemein");
    EXPECT_EQ(english.liveObjects(), 1);
    EXPECT_EQ(german.liveObjects(), 1);
}
