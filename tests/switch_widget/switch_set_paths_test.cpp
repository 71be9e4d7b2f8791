// The widget's property sets, Qt's own button calls and the control's events.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QTest>

#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/switch_widget/signal_log.h"

namespace {

namespace fw = tumbler::framework;

TEST(SwitchSetPathsTest, SettingValueFiresChangedEvenWhenTheSameAndNeverClicked) {
    TumblerSwitch widget;
    SignalLog log(widget);
    widget.setValue(false);
    EXPECT_EQ(log.Take(), QStringList({"changed"}));
    widget.setValue(true);
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled on"}));
    EXPECT_TRUE(widget.setProperty("value", true));
    EXPECT_EQ(log.Take(), QStringList({"changed"}));
    EXPECT_TRUE(widget.control().IsModified());
    // A value set through the control's dispatch reaches the widget the same way.
    widget.control().SetProperty(tumbler::dispid::kValue, fw::Variant::Bool(0));
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled off"}));
    EXPECT_FALSE(widget.isChecked());
}

TEST(SwitchSetPathsTest, QtsOwnCallsGoThroughTheControl) {
    TumblerSwitch widget;
    SignalLog log(widget);
    widget.setChecked(true);  // a value set: no click
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled on"}));
    EXPECT_EQ(widget.control().GetValue(), 1);
    widget.toggle();
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled off"}));
    widget.click();  // Qt's click: the control's click, one clicked
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled on", "clicked"}));
    widget.doClick();
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled off", "clicked"}));
    // A stored non-zero other than 1 is on, and a click turns it off.
    widget.control().SetValue(2);
    EXPECT_TRUE(widget.isChecked());
    log.Take();
    widget.click();
    EXPECT_EQ(widget.control().GetValue(), 0);
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled off", "clicked"}));
}

TEST(SwitchSetPathsTest, OtherPropertiesFireNoEventAndKeepTheControlsRules) {
    TumblerSwitch widget;
    SignalLog log(widget);
    widget.setSwitchShape(static_cast<TumblerSwitch::TumblerShapes>(9));
    EXPECT_EQ(widget.switchShape(), 9);  // stored unchecked, drawn as type3
    widget.setCaptionAlignment(TumblerSwitch::bottom);
    widget.setCaptionColor(QColor(10, 20, 30));
    widget.setLedDarkPrm(0.25);
    widget.setForeColor(Qt::blue);
    widget.setCaption(QStringLiteral("RUN"));
    widget.setBorderStyle(0);
    widget.setAppearance(0);
    EXPECT_TRUE(log.Take().isEmpty());
    EXPECT_EQ(widget.control().GetCaptionColor(), 0x1E140Au);
    EXPECT_EQ(widget.control().GetForeColor(), 0xFF0000u);
    EXPECT_EQ(widget.control().GetText(), "RUN");
    EXPECT_EQ(widget.text(), QStringLiteral("RUN"));
    EXPECT_EQ(widget.borderStyle(), 0);
    EXPECT_EQ(widget.ledDarkPrm(), 0.25);

    EXPECT_FALSE(widget.setProperty("ver", QStringLiteral("2.0")));  // read-only
    EXPECT_EQ(widget.ver(), QStringLiteral("1.10 Bata1"));
    EXPECT_FALSE(widget.setProperty("text", QStringLiteral("other")));  // the caption is it
}

TEST(SwitchSetPathsTest, ASystemColourValueIsThePalettesColour) {
    TumblerSwitch widget;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    widget.setPalette(palette);
    widget.control().SetForeColor(fw::SystemColor(fw::kColorButtonFace));
    EXPECT_EQ(widget.foreColor(), QColor(1, 2, 3));
    // A system colour the palette has no role for is the control's translation.
    widget.control().SetBackColor(fw::SystemColor(1));
    EXPECT_EQ(widget.backColor().rgb() & 0xFFFFFF,
              QColor::fromRgb(widget.control().TranslateColor(fw::SystemColor(1)) & 0xFF,
                              widget.control().TranslateColor(fw::SystemColor(1)) >> 8 & 0xFF,
                              widget.control().TranslateColor(fw::SystemColor(1)) >> 16)
                      .rgb() &
                  0xFFFFFF);
}

TEST(SwitchSetPathsTest, TheWidgetsFontIsTheControlsStockFont) {
    TumblerSwitch widget;
    const fw::FontDescription stock = widget.control().InternalGetFont();
    EXPECT_EQ(widget.font().family().toStdString(), stock.family);
    EXPECT_EQ(widget.font().pointSizeF(), stock.pointSize);
    widget.setFont(QFont(QStringLiteral("Liberation Sans"), 14, QFont::Bold));
    EXPECT_EQ(widget.control().InternalGetFont().family, "Liberation Sans");
    EXPECT_EQ(widget.control().InternalGetFont().pointSize, 14.0);
    EXPECT_EQ(widget.control().InternalGetFont().weight, 700);
    EXPECT_EQ(widget.control().InternalGetFont().charset, stock.charset);
    fw::FontDescription italic = widget.control().InternalGetFont();
    italic.italic = true;
    widget.control().SetFont(italic);
    EXPECT_TRUE(widget.font().italic());
}

TEST(SwitchSetPathsTest, AnExclusiveGroupKeepsOneSwitchOn) {
    QWidget panel;
    auto* a = new TumblerSwitch(&panel);
    auto* b = new TumblerSwitch(&panel);
    b->move(0, 60);
    QButtonGroup group;
    group.addButton(a);
    group.addButton(b);
    a->setValue(true);
    SignalLog logA(*a);
    b->setValue(true);
    EXPECT_FALSE(a->value());
    EXPECT_EQ(logA.Take(), QStringList({"changed", "toggled off"}));
    // The switch that is on stays on: neither a click nor a set turns it off.
    panel.show();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(50, 25));
    b->setValue(false);
    EXPECT_TRUE(b->value());
    EXPECT_TRUE(b->isChecked());
}

TEST(SwitchSetPathsTest, SizeHintIsTheControlsDefaultExtent) {
    EXPECT_EQ(TumblerSwitch().sizeHint(), QSize(100, 50));
}

}  // namespace
