// The Designer task menu's edit: the control's own sheet on a copy, its changes as properties.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "switch_control/designer/switch_property_edit.h"
#include "switch_control/framework/pages/dialog_template.h"
#include "switch_control/framework/pages/property_sheet.h"
#include "switch_control/property_page/tumbler_prop_page.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/widget/tumbler_switch.h"

namespace {

namespace fw = tumbler::framework;
using tumbler::designer::EditCopy;
using tumbler::designer::PropertyChange;

TEST(SwitchPropertyEditTest, ReportsOnlyWhatTheEditChangedAndLeavesTheWidget) {
    TumblerSwitch widget;
    widget.setCaption(QStringLiteral("FEED"));
    const auto changes = EditCopy(widget, [](TumblerSwitch& copy) {
        EXPECT_EQ(copy.caption(), QStringLiteral("FEED"));
        copy.setSwitchShape(TumblerSwitch::type7);
        copy.setLedColor(Qt::green);
        copy.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    });
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0], PropertyChange("switchShape", QVariant::fromValue(TumblerSwitch::type7)));
    EXPECT_EQ(changes[1].first, "ledColor");
    EXPECT_EQ(changes[1].second.value<QColor>(), QColor(Qt::green));
    EXPECT_EQ(changes[2].first, "font");
    EXPECT_EQ(widget.switchShape(), TumblerSwitch::type1);
    EXPECT_EQ(widget.caption(), QStringLiteral("FEED"));
}

TEST(SwitchPropertyEditTest, TheSheetsGeneralPageChangesTheShape) {
    TumblerSwitch widget;
    QStringList tabs;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<fw::PropertySheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        for (int i = 0; i < sheet->PageCount(); ++i) tabs << sheet->Tabs()->tabText(i);
        auto* shapes = fw::DialogItemAs<QComboBox>(sheet->Page(0), tumbler::kIdcSwitchShape);
        ASSERT_NE(shapes, nullptr);
        shapes->setCurrentIndex(4);
        emit shapes->activated(4);
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const auto changes = EditCopy(
        widget, [&](TumblerSwitch& copy) { tumbler::designer::RunPropertySheet(copy, &widget); });
    EXPECT_EQ(tabs, QStringList({"General", "Colors", "Fonts"}));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], PropertyChange("switchShape", QVariant::fromValue(TumblerSwitch::type5)));
}

}  // namespace
