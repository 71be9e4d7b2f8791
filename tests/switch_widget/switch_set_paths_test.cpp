// The widget's property sets, Qt's own button calls and the control's events.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QMetaEnum>
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
    // Another non-zero value is still on: the state did not change.
    widget.control().SetValue(1);
    log.Take();
    widget.control().SetValue(2);
    EXPECT_EQ(log.Take(), QStringList({"changed"}));
}

// A binding on value hears of real changes only; changed() stays the control's Change event.
TEST(SwitchSetPathsTest, ValuesNotifySignalIsToggled) {
    const QMetaObject& meta = TumblerSwitch::staticMetaObject;
    const QMetaProperty value = meta.property(meta.indexOfProperty("value"));
    ASSERT_TRUE(value.hasNotifySignal());
    EXPECT_EQ(value.notifySignal().methodSignature(), QByteArray("toggled(bool)"));
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
    widget.setSwitchShape(static_cast<TumblerSwitch::SwitchShape>(9));
    EXPECT_EQ(widget.switchShape(), 9);  // stored unchecked, drawn as the lever
    widget.setCaptionAlignment(TumblerSwitch::Bottom);
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
}

TEST(SwitchSetPathsTest, TextIsTheCaption) {
    TumblerSwitch widget;
    widget.resize(100, 50);
    widget.setText(QStringLiteral("PUMP"));
    EXPECT_EQ(widget.caption(), QStringLiteral("PUMP"));
    EXPECT_EQ(widget.control().GetText(), "PUMP");
    const QImage pump = widget.grab().toImage();
    EXPECT_TRUE(widget.setProperty("text", QStringLiteral("FAN")));  // Designer's in-place edit
    EXPECT_EQ(widget.caption(), QStringLiteral("FAN"));
    EXPECT_NE(widget.grab().toImage(), pump);
    widget.setCaption(QStringLiteral("A&B"));
    EXPECT_EQ(widget.text(), QStringLiteral("A&B"));
    EXPECT_EQ(widget.property("text").toString(), QStringLiteral("A&B"));
    // QAbstractButton::setText is not virtual: through the base it becomes the caption when
    // the switch is drawn next.
    static_cast<QAbstractButton&>(widget).setText(QStringLiteral("PUMP"));
    EXPECT_EQ(widget.grab().toImage(), pump);
    EXPECT_EQ(widget.caption(), QStringLiteral("PUMP"));
}

// Designer offers what the switch uses; the button's icon and auto-repeat, and the second name
// of the caption, stay out of its property editor.
TEST(SwitchSetPathsTest, OnlyWhatTheSwitchUsesIsDesignable) {
    const QMetaObject& meta = TumblerSwitch::staticMetaObject;
    auto designable = [&](const char* name) {
        const int index = meta.indexOfProperty(name);
        EXPECT_GE(index, 0) << name;
        return index >= 0 && meta.property(index).isDesignable();
    };
    for (const char* hidden : {"icon", "iconSize", "autoRepeat", "autoRepeatDelay",
                               "autoRepeatInterval", "checkable", "checked", "caption"}) {
        EXPECT_FALSE(designable(hidden)) << hidden;
    }
    for (const char* shown : {"text", "value", "switchShape", "alignment", "captionAlignment",
                              "captionColor", "ledColor", "foreColor", "backColor", "font"}) {
        EXPECT_TRUE(designable(shown)) << shown;
    }
    // Designer writes only stored properties: a form saved with "caption" keeps its caption
    // when Designer saves it again.
    EXPECT_TRUE(meta.property(meta.indexOfProperty("caption")).isStored());
}

// The shapes and alignments have Qt's kind of names, in the order of their numbers; the type
// library's names still read as the same numbers (forms saved before carry them).
TEST(SwitchSetPathsTest, EnumerationsSpeakQtAndStillReadTheTypeLibrarysNames) {
    const QMetaEnum shapes = QMetaEnum::fromType<TumblerSwitch::SwitchShape>();
    const QStringList names{"Rocker",      "RockerWithLamp",  "Lever",         "SquareButton",
                            "RoundButton", "LitSquareButton", "LitRoundButton"};
    for (int value = 0; value < names.size(); ++value) {
        EXPECT_EQ(QString::fromLatin1(shapes.valueToKey(value)), names[value]);
        EXPECT_EQ(shapes.keyToValue(QStringLiteral("type%1").arg(value + 1).toLatin1()), value);
    }
    const QMetaEnum orientation = QMetaEnum::fromType<TumblerSwitch::Orientation>();
    EXPECT_STREQ(orientation.valueToKey(0), "Vertical");
    EXPECT_STREQ(orientation.valueToKey(1), "Horizontal");
    EXPECT_EQ(orientation.keyToValue("horizontal"), 1);
    const QMetaEnum position = QMetaEnum::fromType<TumblerSwitch::CaptionPosition>();
    EXPECT_STREQ(position.valueToKey(0), "Top");
    EXPECT_STREQ(position.valueToKey(1), "Bottom");
    EXPECT_EQ(position.keyToValue("bottom"), 1);
    const QMetaObject& meta = TumblerSwitch::staticMetaObject;
    EXPECT_STREQ(meta.property(meta.indexOfProperty("switchShape")).enumerator().name(),
                 "SwitchShape");
    EXPECT_STREQ(meta.property(meta.indexOfProperty("alignment")).enumerator().name(),
                 "Orientation");
    EXPECT_STREQ(meta.property(meta.indexOfProperty("captionAlignment")).enumerator().name(),
                 "CaptionPosition");
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
    // A font the program never set is the widget's, as Qt hands it down.
    const fw::FontDescription stock = widget.control().InternalGetFont();
    EXPECT_EQ(stock.family, widget.font().family().toStdString());
    EXPECT_EQ(stock.pointSize, widget.font().pointSizeF());
    EXPECT_EQ(stock.charset, 128);  // the control's own, which Qt's fonts do not carry
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

TEST(SwitchSetPathsTest, SizeHintIsTheControlsDefaultExtentWhereTheCaptionFits) {
    TumblerSwitch widget;
    EXPECT_EQ(widget.sizeHint(), QSize(100, 50));
    const QSize empty = widget.minimumSizeHint();
    EXPECT_GT(empty.width(), 4);  // the border and a shape
    EXPECT_LE(empty.width(), 100);
    widget.setText(QStringLiteral("RUN"));
    EXPECT_EQ(widget.sizeHint(), QSize(100, 50));
    const QSize run = widget.minimumSizeHint();
    EXPECT_GT(run.height(), empty.height());  // a caption strip above the rocker
    // A caption wider than the default extent widens the hint; the minimum holds it whole.
    widget.setText(QStringLiteral("EMERGENCY STOP OF THE MAIN SPINDLE"));
    EXPECT_GT(widget.minimumSizeHint().width(), 100);
    EXPECT_EQ(widget.sizeHint().width(), widget.minimumSizeHint().width());
    EXPECT_EQ(widget.sizeHint().height(), 50);
    // No border: two pixels less each way than with the 3-D border.
    widget.setText(QStringLiteral("RUN"));
    widget.setBorderStyle(0);
    EXPECT_EQ(widget.minimumSizeHint(), run - QSize(4, 4));
    // A push button writes its caption on its face: no strip.
    widget.setSwitchShape(TumblerSwitch::SquareButton);
    EXPECT_LT(widget.minimumSizeHint().height(), run.height() - 4);
    // A round face holds the caption inside its ellipse.
    const QSize square = widget.minimumSizeHint();
    widget.setSwitchShape(TumblerSwitch::LitRoundButton);
    EXPECT_GT(widget.minimumSizeHint().width(), square.width());
    EXPECT_GT(widget.minimumSizeHint().height(), square.height());
    // A larger font needs more room.
    const QSize small = widget.minimumSizeHint();
    widget.setFont(QFont(widget.font().family(), 30));
    EXPECT_GT(widget.minimumSizeHint().width(), small.width());
    EXPECT_GT(widget.minimumSizeHint().height(), small.height());
}

}  // namespace
