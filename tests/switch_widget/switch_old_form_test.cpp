// A form saved with the type library's names (TumblerSwitch::type6, ::horizontal, ::bottom,
// the caption as "caption"), read at run time by QUiLoader and compiled by uic.
#include <gtest/gtest.h>

#include "switch_control/widget/tumbler_switch.h"
#include "tests/switch_widget/form_file.h"
#include "ui_saved_with_type_names.h"

namespace {

void ExpectTheSavedProperties(const QWidget& form) {
    const auto* heater = form.findChild<TumblerSwitch*>(QStringLiteral("heater"));
    const auto* lamp = form.findChild<TumblerSwitch*>(QStringLiteral("lamp"));
    ASSERT_NE(heater, nullptr) << "no TumblerSwitch: is the plugin on QT_PLUGIN_PATH?";
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(heater->switchShape(), TumblerSwitch::LitSquareButton);
    EXPECT_EQ(heater->alignment(), TumblerSwitch::Horizontal);
    EXPECT_EQ(heater->captionAlignment(), TumblerSwitch::Bottom);
    EXPECT_EQ(heater->text(), QStringLiteral("HEAT"));
    EXPECT_EQ(heater->captionColor(), QColor(0, 0, 128));
    EXPECT_EQ(lamp->switchShape(), TumblerSwitch::RockerWithLamp);
    EXPECT_EQ(lamp->alignment(), TumblerSwitch::Vertical);
    EXPECT_EQ(lamp->captionAlignment(), TumblerSwitch::Top);
}

TEST(SwitchOldFormTest, QUiLoaderReadsTheTypeLibrarysNames) {
    const std::unique_ptr<QWidget> form = LoadFormFile(OLD_SWITCH_FORM);
    ASSERT_NE(form, nullptr);
    ExpectTheSavedProperties(*form);
}

TEST(SwitchOldFormTest, UicCompilesTheTypeLibrarysNames) {
    QWidget form;
    Ui::SavedWithTypeNames ui;
    ui.setupUi(&form);
    ExpectTheSavedProperties(form);
}

}  // namespace
