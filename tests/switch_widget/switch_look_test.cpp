// The switch takes the program's look where the program set nothing: its font, its palette's
// window text and window colours, also when they change after the switch is shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"
#include "switch_control/widget/tumbler_switch.h"
#include "tests/switch_widget/form_file.h"

namespace {

namespace fw = tumbler::framework;

QPalette DarkPalette() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    return dark;
}

// The application hands a new palette or font to its widgets through posted events.
void SetApplicationLook(const QPalette& palette, const QFont& font) {
    QApplication::setPalette(palette);
    QApplication::setFont(font);
    QCoreApplication::processEvents();
}

// The application's look is shared by every test: each one puts it back.
class SwitchLookTest : public ::testing::Test {
  protected:
    void TearDown() override { SetApplicationLook(palette_, font_); }

    const QPalette palette_ = QApplication::palette();
    const QFont font_ = QApplication::font();
};

int PixelsOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    }
    return count;
}

TEST_F(SwitchLookTest, WhatTheProgramNeverSetFollowsItsFontAndPaletteAlsoAfterShow) {
    SetApplicationLook(DarkPalette(), QFont(QStringLiteral("DejaVu Sans"), 11));
    QWidget panel;
    auto* layout = new QVBoxLayout(&panel);
    auto* widget = new TumblerSwitch;
    widget->setText(QStringLiteral("RUN"));
    auto* label = new QLabel(QStringLiteral("beside"));
    layout->addWidget(widget);
    layout->addWidget(label);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    EXPECT_EQ(widget->captionColor(), QColor(230, 230, 230));
    EXPECT_EQ(widget->backColor(), QColor(53, 53, 53));
    EXPECT_EQ(widget->control().InternalGetFont().family, "DejaVu Sans");
    EXPECT_EQ(widget->control().InternalGetFont().pointSize, 11.0);
    const QImage dark = widget->grab().toImage();
    EXPECT_GT(PixelsOf(dark, QColor(230, 230, 230)), 10);  // the caption, light on dark
    EXPECT_GT(PixelsOf(dark, QColor(53, 53, 53)), 100);

    // Changed while shown: the switch follows as the label beside it does.
    QPalette light = DarkPalette();
    light.setColor(QPalette::Window, QColor(240, 240, 220));
    light.setColor(QPalette::WindowText, QColor(20, 20, 90));
    SetApplicationLook(light, QFont(QStringLiteral("DejaVu Serif"), 14));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(20, 20, 90));
    EXPECT_EQ(widget->captionColor(), QColor(20, 20, 90));
    EXPECT_EQ(widget->backColor(), QColor(240, 240, 220));
    EXPECT_EQ(widget->control().InternalGetFont().family, "DejaVu Serif");
    EXPECT_EQ(widget->control().InternalGetFont().pointSize, 14.0);
    EXPECT_FALSE(widget->control().InternalGetFont().family.empty());
    const QImage changed = widget->grab().toImage();
    EXPECT_GT(PixelsOf(changed, QColor(20, 20, 90)), 10);
    EXPECT_EQ(PixelsOf(changed, QColor(230, 230, 230)), 0);

    // A parent's own font and palette reach it as well.
    QPalette parents = light;
    parents.setColor(QPalette::WindowText, QColor(120, 0, 0));
    panel.setPalette(parents);
    panel.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(widget->captionColor(), QColor(120, 0, 0));
    EXPECT_EQ(widget->control().InternalGetFont().family, "DejaVu Sans Mono");
}

TEST_F(SwitchLookTest, WhatTheProgramSetKeepsItsValue) {
    QWidget panel;
    auto* fromCode = new TumblerSwitch(&panel);
    fromCode->setCaptionColor(Qt::red);
    fromCode->setBackColor(Qt::yellow);
    fromCode->setFont(QFont(QStringLiteral("DejaVu Serif"), 12));
    auto* fromStyleSheet = new TumblerSwitch(&panel);
    fromStyleSheet->setStyleSheet(
        QStringLiteral("TumblerSwitch { qproperty-captionColor: blue; }"));
    fromStyleSheet->ensurePolished();
    auto* throughControl = new TumblerSwitch(&panel);
    throughControl->control().SetProperty(tumbler::dispid::kCaptionColor,
                                          fw::Variant::Color(0x00FF00));
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    SetApplicationLook(DarkPalette(), QFont(QStringLiteral("DejaVu Sans"), 15));
    EXPECT_EQ(fromCode->captionColor(), QColor(Qt::red));
    EXPECT_EQ(fromCode->backColor(), QColor(Qt::yellow));
    EXPECT_EQ(fromCode->control().InternalGetFont().family, "DejaVu Serif");
    EXPECT_EQ(fromCode->control().InternalGetFont().pointSize, 12.0);
    EXPECT_EQ(fromStyleSheet->captionColor(), QColor(Qt::blue));
    // Not set: its palette's, which Qt keeps for a widget with a style sheet of its own.
    EXPECT_EQ(fromStyleSheet->backColor(), fromStyleSheet->palette().color(QPalette::Window));
    EXPECT_EQ(throughControl->captionColor(), QColor(0, 255, 0));
    EXPECT_EQ(throughControl->control().InternalGetFont().family, "DejaVu Sans");
}

TEST_F(SwitchLookTest, AFormsColoursKeepTheirValue) {
    const std::unique_ptr<QWidget> form = LoadFormFile(OLD_SWITCH_FORM);
    ASSERT_NE(form, nullptr);
    SetApplicationLook(DarkPalette(), QApplication::font());
    const auto* heater = form->findChild<TumblerSwitch*>(QStringLiteral("heater"));
    const auto* lamp = form->findChild<TumblerSwitch*>(QStringLiteral("lamp"));
    ASSERT_NE(heater, nullptr);
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(heater->captionColor(), QColor(0, 0, 128));
    EXPECT_EQ(lamp->captionColor(), QColor(230, 230, 230));
}

}  // namespace
