// The two dialogs of the module, item by item: the "General" page's template and the about
// box as the module shows it.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/module/class_objects.h"
#include "switch_control/framework/pages/dialog_template.h"
#include "switch_control/property_page/tumbler_prop_page.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/tumbler_module/module_fixture.h"

namespace fw = tumbler::framework;
using Kind = fw::DialogItemKind;

namespace {

struct Row {
    int id;
    Kind kind;
    const char* text;
    int x, y, width, height;
};

}  // namespace

TEST(GeneralPageTemplate, HoldsEveryItemWithItsIdKindPlaceAndText) {
    const fw::DialogTemplate& page = tumbler::TumblerPageTemplate();
    EXPECT_EQ(page.width, 215);
    EXPECT_EQ(page.height, 140);
    EXPECT_EQ(page.fontFamily, "ＭＳ Ｐゴシック");
    EXPECT_EQ(page.pointSize, 9.0);

    const Row rows[] = {
        {-1, Kind::Label, "3D表示", 7, 7, 25, 13},
        {201, Kind::DropDownList, "", 59, 7, 48, 50},
        {-1, Kind::Label, "ﾎﾞｰﾀ", 7, 25, 25, 13},
        {202, Kind::DropDownList, "", 59, 25, 48, 53},
        {-1, Kind::Label, "形状", 7, 42, 25, 13},
        {203, Kind::DropDownList, "", 59, 42, 88, 53},
        {-1, Kind::Label, "配置", 7, 59, 25, 13},
        {204, Kind::DropDownList, "", 59, 59, 48, 55},
        {-1, Kind::Label, "ｷｬﾌﾟｼｮﾝ位置", 7, 77, 42, 13},
        {205, Kind::DropDownList, "", 59, 77, 48, 60},
        {-1, Kind::Label, "ｷｬﾌﾟｼｮﾝ", 7, 98, 42, 13},
        {206, Kind::Edit, "", 59, 97, 124, 13},
        {209, Kind::CheckBox, "スイッチ ON", 7, 119, 49, 9},
    };
    ASSERT_EQ(page.items.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const fw::DialogItem& item = page.items[i];
        const Row& row = rows[i];
        EXPECT_EQ(item.id, row.id) << "row " << i;
        EXPECT_EQ(item.kind, row.kind) << "row " << i;
        EXPECT_EQ(item.text, row.text) << "row " << i;
        EXPECT_EQ(item.x, row.x) << "row " << i;
        EXPECT_EQ(item.y, row.y) << "row " << i;
        EXPECT_EQ(item.width, row.width) << "row " << i;
        EXPECT_EQ(item.height, row.height) << "row " << i;
        EXPECT_EQ(item.textOnLeft, row.id == 209) << "row " << i;
    }
}

// The about box is the module's own: it is checked as a container sees it, shown by AboutBox.
TEST_F(ModuleTest, AboutBoxShowsItsTemplatesItemsInTheirPlaces) {
    ASSERT_EQ(Call("DllRegisterServer"), fw::kOk);
    fw::ClassObject object = fw::GetClassObject(Registry(), tumbler::kClsidTumbler);
    ASSERT_NE(object.factory, nullptr);
    std::shared_ptr<fw::ControlBase> control = object.factory->CreateControl();

    // What the shown box holds, read while it is up and compared once it has closed.
    QString title;
    QFont font;
    QSize size;
    std::vector<std::pair<QString, QRect>> labels;  // text (empty for the icon), geometry
    QString buttonText;
    bool buttonDefault = false;
    QRect buttonGeometry;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        title = box->windowTitle();
        font = box->font();
        size = box->size();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            labels.emplace_back(label->pixmap().isNull() ? label->text() : QString(),
                                label->geometry());
        }
        if (auto* button = fw::DialogItemAs<QPushButton>(box, 1)) {
            buttonText = button->text();
            buttonDefault = button->isDefault();
            buttonGeometry = button->geometry();
        }
        box->accept();
    });
    ASSERT_EQ(control->CallMethod(fw::kDispIdAboutBox), fw::kOk);

    const fw::DialogUnits units(font);
    EXPECT_EQ(title, QStringLiteral("About Tumbler Control"));
    EXPECT_EQ(size, QSize(units.X(260), units.Y(55)));
    EXPECT_EQ(font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(font.pointSizeF(), 9.0);
    // In template order: the icon (it keeps its own size, at least the template's), the
    // version line, the second line.
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].first, QString());
    EXPECT_EQ(labels[0].second.topLeft(), units.Rect(10, 10, 20, 20).topLeft());
    EXPECT_GE(labels[0].second.width(), units.X(20));
    EXPECT_GE(labels[0].second.height(), units.Y(20));
    EXPECT_EQ(labels[1].first, QStringLiteral("Quill Switch Control, Version 1.10"));
    EXPECT_EQ(labels[1].second, units.Rect(40, 10, 170, 8));
    EXPECT_FALSE(labels[2].first.isEmpty());
    EXPECT_EQ(labels[2].second, units.Rect(40, 25, 170, 8));
    EXPECT_EQ(buttonText, QStringLiteral("OK"));
    EXPECT_TRUE(buttonDefault);
    EXPECT_EQ(buttonGeometry, units.Rect(221, 7, 32, 14));
}
