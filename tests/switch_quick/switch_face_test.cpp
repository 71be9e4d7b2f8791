// TumblerSwitch through the scene graph: its pixels are the control's own picture, pixel for
// pixel, at the ratio the run is given (QT_SCALE_FACTOR), for every shape on and off; what
// accessibility reports; and a QML program that shows it maps no Qt Widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <memory>

#include "switch_control/qt/qt_values.h"
#include "switch_control/qt/switch_picture.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"

namespace {

namespace fw = tumbler::framework;
namespace dispid = tumbler::dispid;

constexpr QPoint kPlace(10, 20);
constexpr QSize kSize(120, 90);

const char kScene[] = R"(
import QtQuick
import Norvikon.Tumbler
Rectangle {
    width: 300; height: 200
    color: "#123456"
    TumblerSwitch { objectName: "switch"; x: 10; y: 20; width: 120; height: 90; text: "MAIN" }
}
)";

class QuickSwitch : public ::testing::Test {
  protected:
    void SetUp() override {
        view_.engine()->addImportPath(QStringLiteral(TUMBLER_QML_BUILD_DIR));
        auto* scene = new QQmlComponent(view_.engine(), &view_);
        scene->setData(QByteArray(kScene), QUrl());
        view_.setContent(QUrl(), scene, scene->create());
        ASSERT_EQ(view_.status(), QQuickView::Ready) << scene->errorString().toStdString();
        view_.show();
        switch_ = view_.rootObject()->findChild<QQuickItem*>(QStringLiteral("switch"));
        ASSERT_NE(switch_, nullptr);
        for (QQuickItem* child : switch_->childItems()) {
            if (qstrcmp(child->metaObject()->className(), "tumbler::quick::SwitchFaceItem") == 0) {
                face_ = child;
            }
        }
        ASSERT_NE(face_, nullptr);
    }

    // The switch's device pixels in a grab of the whole window.
    QImage Shown() {
        const double ratio = view_.effectiveDevicePixelRatio();
        QImage window = view_.grabWindow();
        const QRect part(kPlace * ratio, kSize * ratio);
        QImage pixels = window.copy(part).convertToFormat(QImage::Format_RGB32);
        pixels.setDevicePixelRatio(1.0);
        return pixels;
    }

    QVariant Face(const char* name) const { return face_->property(name); }

    // A control of its own with the switch's properties, drawn the way the widget draws it.
    QImage ControlsOwn() {
        tumbler::CTumblerCtrl control;
        control.SetProperty(dispid::kValue, fw::Variant::Bool(Face("value").toBool() ? 1 : 0));
        control.SetProperty(dispid::kSwitchShape, fw::Variant::Long(Face("switchShape").toInt()));
        control.SetProperty(fw::kDispIdCaption,
                            fw::Variant::String(Face("caption").toString().toStdString()));
        fw::FontDescription font = tumbler::qt::FromWidgetFont(Face("font").value<QFont>());
        font.charset = control.InternalGetFont().charset;
        control.SetProperty(fw::kDispIdFont, fw::Variant::Font(font));
        const auto colour = [&](fw::DispId id, const char* name) {
            control.SetProperty(
                id, fw::Variant::Color(tumbler::qt::ToOleColor(Face(name).value<QColor>())));
        };
        colour(dispid::kCaptionColor, "captionColor");
        colour(fw::kDispIdForeColor, "foreColor");
        colour(fw::kDispIdBackColor, "backColor");
        QImage picture =
            tumbler::qt::RenderControl(control, kSize, view_.effectiveDevicePixelRatio());
        picture.setDevicePixelRatio(1.0);
        return picture;
    }

    QQuickView view_;
    QQuickItem* switch_ = nullptr;
    QQuickItem* face_ = nullptr;
};

TEST_F(QuickSwitch, RunsAtTheRatioItIsGiven) {
    EXPECT_EQ(view_.effectiveDevicePixelRatio(),
              qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
}

TEST_F(QuickSwitch, ShowsTheControlsOwnPicturePixelForPixelForEveryShapeOnAndOff) {
    for (int shape = 0; shape <= 6; ++shape) {
        for (const bool on : {false, true}) {
            switch_->setProperty("switchShape", shape);
            switch_->setProperty("checked", on);
            SCOPED_TRACE(testing::Message() << "shape " << shape << (on ? " on" : " off"));
            const QImage shown = Shown();
            const QImage own = ControlsOwn();
            ASSERT_EQ(shown.size(), own.size());
            EXPECT_TRUE(shown == own);
        }
    }
}

TEST_F(QuickSwitch, ShowsEveryChangeOfAProperty) {
    const QImage before = Shown();
    switch_->setProperty("foreColor", QColor(0x20, 0x60, 0xA0));
    const QImage after = Shown();
    EXPECT_FALSE(before == after);
    EXPECT_TRUE(after == ControlsOwn());
}

TEST_F(QuickSwitch, MovedIntoAnotherWindowItShowsItselfThere) {
    switch_->setProperty("checked", true);
    const QImage own = ControlsOwn();
    EXPECT_TRUE(Shown() == own);
    QQuickWindow other;
    other.resize(300, 200);
    switch_->setParentItem(other.contentItem());
    other.show();
    QImage there = other.grabWindow();
    const double ratio = other.effectiveDevicePixelRatio();
    there = there.copy(QRect(kPlace * ratio, kSize * ratio)).convertToFormat(QImage::Format_RGB32);
    there.setDevicePixelRatio(1.0);
    EXPECT_TRUE(there == own);
}

TEST_F(QuickSwitch, AccessibilitySeesACheckBoxNamedByItsTextWhoseStateFollows) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(switch_);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("MAIN"));
    EXPECT_TRUE(accessible->state().checkable);
    EXPECT_FALSE(accessible->state().checked);
    switch_->setProperty("checked", true);
    EXPECT_TRUE(accessible->state().checked);
}

TEST_F(QuickSwitch, AProgramThatShowsItMapsNoQtWidgets) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    EXPECT_TRUE(mapped.contains("libnorvikon_tumbler_plugin.so"));
    EXPECT_FALSE(mapped.contains("libQt6Widgets"));
}

}  // namespace
