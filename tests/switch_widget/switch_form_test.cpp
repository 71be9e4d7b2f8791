// A form with two switches read through QUiLoader and the built Designer plugin (on Qt's plugin
// path), used as a person would: mouse, Space, accessibility, and its pixels.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include "switch_control/control_look.h"
#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/raster_context.h"
#include "switch_control/qt/switch_picture.h"
#include "switch_control/tumbler_ctrl.h"
#include "tests/switch_widget/form_file.h"
#include "tests/switch_widget/signal_log.h"

namespace {

namespace fw = tumbler::framework;

// The control's own drawing of a control with `widget`'s stored properties in `bounds` of
// device pixels, text scaled by `scale`.
QImage ControlDrawing(const TumblerSwitch& widget, int width, int height, double scale = 1.0) {
    tumbler::CTumblerCtrl control;
    std::string stored;
    widget.control().SaveToBagText(&stored, false);
    EXPECT_EQ(control.LoadFromBagText(stored), fw::kOk);
    control.SetBounds({0, 0, width, height});
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    tumbler::drawing::QtRasterContext dc(image, tumbler::drawing::FrameworkSystemColour, scale);
    fw::PaintControlWindow(control, dc);
    return image;
}

class SwitchFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form_ = LoadFormFile(SWITCH_FORM);
        ASSERT_NE(form_, nullptr);
        main_ = form_->findChild<TumblerSwitch*>(QStringLiteral("mainPower"));
        hold_ = form_->findChild<TumblerSwitch*>(QStringLiteral("feedHold"));
        ASSERT_NE(main_, nullptr) << "no TumblerSwitch: is the plugin on QT_PLUGIN_PATH?";
        ASSERT_NE(hold_, nullptr);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    std::unique_ptr<QWidget> form_;
    TumblerSwitch* main_ = nullptr;
    TumblerSwitch* hold_ = nullptr;
};

TEST_F(SwitchFormTest, PropertiesComeFromTheForm) {
    EXPECT_EQ(main_->caption(), QStringLiteral("MAIN"));
    EXPECT_EQ(main_->switchShape(), TumblerSwitch::RockerWithLamp);
    EXPECT_EQ(main_->alignment(), TumblerSwitch::Horizontal);
    EXPECT_EQ(main_->ledColor(), QColor(0, 255, 0));
    EXPECT_TRUE(main_->value());
    EXPECT_TRUE(main_->isChecked());
    EXPECT_EQ(main_->control().GetLedColor(), 0x00FF00u);
    EXPECT_EQ(hold_->switchShape(), TumblerSwitch::RoundButton);
    EXPECT_EQ(hold_->borderStyle(), 0);
    EXPECT_FALSE(hold_->value());
    EXPECT_EQ(hold_->size(), QSize(100, 50));
    // Not set in the form: the control's defaults, the back colour the form's window colour.
    EXPECT_EQ(hold_->ledDarkPrm(), 0.5);
    EXPECT_EQ(hold_->ver(), QStringLiteral("1.10 Bata1"));
    EXPECT_EQ(hold_->backColor(), form_->palette().color(QPalette::Window));
}

TEST_F(SwitchFormTest, MouseClickAndSpaceTakeTheControlsClickPath) {
    SignalLog log(*hold_);
    QTest::mouseClick(hold_, Qt::LeftButton, {}, QPoint(50, 25));
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled on", "clicked"}));
    EXPECT_TRUE(hold_->value());
    EXPECT_TRUE(hold_->hasFocus());  // focus by click

    QTest::keyClick(hold_, Qt::Key_Space);
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled off", "clicked"}));
    EXPECT_FALSE(hold_->value());
    EXPECT_EQ(hold_->control().GetValue(), 0);

    // The right and middle buttons click no Qt button: they are left to the parent, also
    // between a left press and its release.
    QTest::mouseClick(hold_, Qt::RightButton, {}, QPoint(50, 25));
    QTest::mouseClick(hold_, Qt::MiddleButton, {}, QPoint(50, 25));
    QTest::mousePress(hold_, Qt::LeftButton, {}, QPoint(50, 25));
    QTest::mouseClick(hold_, Qt::RightButton, {}, QPoint(50, 25));
    EXPECT_TRUE(log.Take().isEmpty());
    QTest::mouseRelease(hold_, Qt::LeftButton, {}, QPoint(50, 25));
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled on", "clicked"}));
    // A press inside and a release outside is no click.
    QTest::mousePress(hold_, Qt::LeftButton, {}, QPoint(50, 25));
    QTest::mouseRelease(hold_, Qt::LeftButton, {}, QPoint(150, 25));
    EXPECT_TRUE(log.Take().isEmpty());
    EXPECT_TRUE(hold_->isChecked());
}

// The parent that shows a context menu gets the right button's press.
TEST_F(SwitchFormTest, TheRightButtonReachesTheParent) {
    struct PressLog : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::MouseButtonPress) {
                buttons << static_cast<QMouseEvent*>(event)->button();
            }
            return false;
        }
        QList<Qt::MouseButton> buttons;
    } presses;
    form_->installEventFilter(&presses);
    QTest::mouseClick(hold_, Qt::RightButton, {}, QPoint(50, 25));
    QTest::mouseClick(hold_, Qt::LeftButton, {}, QPoint(50, 25));
    EXPECT_EQ(presses.buttons, QList<Qt::MouseButton>({Qt::RightButton}));
}

TEST_F(SwitchFormTest, TabMovesTheFocusBetweenTheSwitches) {
    main_->setFocus();
    QTest::keyClick(main_, Qt::Key_Tab);
    EXPECT_TRUE(hold_->hasFocus());
}

TEST_F(SwitchFormTest, AccessibleAsACheckBoxNamedByItsCaption) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(main_);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("MAIN"));
    EXPECT_TRUE(accessible->state().checkable);
    EXPECT_TRUE(accessible->state().checked);
    EXPECT_TRUE(accessible->state().focusable);

    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    SignalLog log(*main_);
    actions->doAction(QAccessibleActionInterface::toggleAction());  // Qt's toggle(): a set
    EXPECT_EQ(log.Take(), QStringList({"changed", "toggled off"}));
    EXPECT_FALSE(main_->value());
    EXPECT_FALSE(accessible->state().checked);

    main_->setCaption(QStringLiteral("A&B"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("A&B"));
}

TEST_F(SwitchFormTest, PaintsExactlyTheControlsOwnDrawing) {
    for (TumblerSwitch* each : {main_, hold_}) {
        each->clearFocus();  // the focus frame is the widget's, drawn over the control
        const QImage shown = each->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, ControlDrawing(*each, each->width(), each->height()))
            << each->objectName().toStdString();
    }
    QTest::mouseClick(hold_, Qt::LeftButton, {}, QPoint(50, 25));
    EXPECT_TRUE(hold_->hasFocus());
    EXPECT_NE(hold_->grab().toImage().convertToFormat(QImage::Format_RGB32),
              ControlDrawing(*hold_, 100, 50));  // with its focus frame
    hold_->clearFocus();
    EXPECT_EQ(hold_->grab().toImage().convertToFormat(QImage::Format_RGB32),
              ControlDrawing(*hold_, 100, 50));
}

TEST_F(SwitchFormTest, DrawsAtDeviceResolutionAtRatioTwo) {
    const QImage twice = tumbler::qt::RenderControl(main_->control(), main_->size(), 2.0);
    EXPECT_EQ(twice.size(), QSize(240, 180));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    QImage devicePixels = twice;
    devicePixels.setDevicePixelRatio(1.0);
    EXPECT_EQ(devicePixels, ControlDrawing(*main_, 240, 180, 2.0));
    // Not the 1x picture made bigger.
    const QImage once = tumbler::qt::RenderControl(main_->control(), main_->size(), 1.0);
    EXPECT_NE(devicePixels, once.scaled(240, 180));
    // The mouse still meets the control in logical pixels.
    EXPECT_EQ(main_->control().Bounds(), (fw::Rect{0, 0, 120, 90}));
}

TEST_F(SwitchFormTest, RenderedIntoASharperImageDrawsAtThatImagesResolution) {
    // A widget on a screen of ratio 1, rendered into a ratio-2 image (printing, a high-density
    // export): the painter's device is the widget, the pixels are the image's.
    main_->clearFocus();
    QImage sharp(main_->size() * 2, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2.0);
    main_->render(&sharp);
    sharp.setDevicePixelRatio(1.0);
    EXPECT_EQ(sharp, ControlDrawing(*main_, 240, 180, 2.0));
}

// The kept picture is drawn into directly, the control's off-screen bitmap being that part of
// it; the pixels are those of a separate bitmap copied in: every shape and state, with and
// without a border, at odd sizes, at both ratios.
TEST(SwitchPictureTest, DrawnInPlaceAsTheControlDrawsThroughItsOwnBitmap) {
    for (int shape = 0; shape <= 7; ++shape) {
        for (int border : {0, 1, 2}) {
            tumbler::CTumblerCtrl control;
            control.SetSwitchShape(shape);
            control.SetValue(shape % 2);
            control.SetAlignment(border % 2);
            control.SetText("POWER");
            control.SetBorderStyle(border == 0 ? 0 : 1);
            control.SetAppearance(border == 2 ? 1 : 0);
            for (const QSize size : {QSize(37, 23), QSize(121, 91)}) {
                for (double ratio : {1.0, 2.0}) {
                    QImage picture = tumbler::qt::RenderControl(control, size, ratio);
                    picture.setDevicePixelRatio(1.0);
                    QImage separate(picture.size(), QImage::Format_RGB32);
                    separate.fill(Qt::white);
                    control.SetBounds({0, 0, separate.width(), separate.height()});
                    {
                        tumbler::drawing::QtRasterContext dc(
                            separate, tumbler::drawing::FrameworkSystemColour, ratio);
                        fw::PaintControlWindow(control, dc);
                    }
                    EXPECT_EQ(picture, separate) << "shape " << shape << " border " << border
                                                 << " ratio " << ratio << " width " << size.width();
                }
            }
        }
    }
}

TEST(SwitchPictureTest, DrawsAgainOnlyWhenAskedOrResized) {
    tumbler::CTumblerCtrl control;
    tumbler::qt::SwitchPicture picture;
    const qint64 first = picture.Get(control, {100, 50}, 1.0).cacheKey();
    EXPECT_EQ(picture.Get(control, {100, 50}, 1.0).cacheKey(), first);
    EXPECT_NE(picture.Get(control, {100, 60}, 1.0).cacheKey(), first);
    const qint64 resized = picture.Get(control, {100, 60}, 1.0).cacheKey();
    EXPECT_NE(picture.Get(control, {100, 60}, 2.0).cacheKey(), resized);
    const qint64 sharp = picture.Get(control, {100, 60}, 2.0).cacheKey();
    picture.Invalidate();
    EXPECT_NE(picture.Get(control, {100, 60}, 2.0).cacheKey(), sharp);
}

}  // namespace
