// How the widget's paint reaches its target: straight into a window's buffer once after a
// change, from the kept picture otherwise, and never onto pixels that are not the widget's.
#include <gtest/gtest.h>

#include <QPainter>

#include "switch_control/qt/switch_picture.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/widget/tumbler_switch.h"

namespace {

using tumbler::qt::RenderControl;
using tumbler::qt::SwitchPicture;

const QRgb kMarker = qRgb(0x12, 0x34, 0x56);  // the target's own pixels, never the control's

QImage MarkedTarget(QSize size, double ratio, QImage::Format format = QImage::Format_RGB32) {
    QImage target(size * ratio, format);
    target.fill(kMarker);
    target.setDevicePixelRatio(ratio);
    return target;
}

// The device pixels of `image` in `part`, as RGB32 with a ratio of 1.
QImage Pixels(const QImage& image, const QRect& part) {
    QImage copy = image.copy(part).convertToFormat(QImage::Format_RGB32);
    copy.setDevicePixelRatio(1.0);
    return copy;
}

QImage Drawing(tumbler::CTumblerCtrl& control, QSize size, double ratio) {
    QImage picture = RenderControl(control, size, ratio);
    picture.setDevicePixelRatio(1.0);
    return picture;
}

// Whether every device pixel of `image` outside `part` is still the marker.
bool UntouchedOutside(const QImage& image, const QRect& part) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!part.contains(x, y) && image.pixel(x, y) != kMarker) return false;
        }
    }
    return true;
}

class SwitchPictureShowTest : public ::testing::Test {
  protected:
    SwitchPictureShowTest() {
        control_.SetSwitchShape(1);
        control_.SetText("POWER");
        control_.SetBorderStyle(1);
    }
    tumbler::CTumblerCtrl control_;
    SwitchPicture picture_;
    const QSize size_{50, 30};
};

TEST_F(SwitchPictureShowTest, DrawsStraightIntoTheTargetOnceAfterAChangeThenKeepsThePicture) {
    for (const double ratio : {1.0, 2.0}) {
        for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            picture_.Invalidate();
            QImage target = MarkedTarget({70, 45}, ratio, format);
            const QRect place(QPoint(7, 5) * ratio, size_ * ratio);
            {
                QPainter painter(&target);
                painter.translate(7, 5);
                picture_.Show(painter, control_, size_);
            }
            EXPECT_FALSE(picture_.IsValid()) << "drawn straight, not through the picture";
            EXPECT_EQ(Pixels(target, place), Drawing(control_, size_, ratio)) << ratio;
            EXPECT_TRUE(UntouchedOutside(target, place)) << ratio;

            // A paint after that, with nothing changed, keeps the picture, and later ones
            // only copy it.
            target.fill(kMarker);
            QPainter painter(&target);
            painter.translate(7, 5);
            picture_.Show(painter, control_, size_);
            ASSERT_TRUE(picture_.IsValid());
            const qint64 kept = picture_.Get(control_, size_, ratio).cacheKey();
            picture_.Show(painter, control_, size_);
            EXPECT_EQ(picture_.Get(control_, size_, ratio).cacheKey(), kept);
            painter.end();
            EXPECT_EQ(Pixels(target, place), Drawing(control_, size_, ratio)) << ratio;
            EXPECT_TRUE(UntouchedOutside(target, place)) << ratio;
        }
    }
}

// A painter that blends, clips, or puts more than the ratio and a whole-pixel offset between
// the widget and the image cannot be written around: it paints the picture its own way.
TEST_F(SwitchPictureShowTest, APainterThatChangesThePixelsPaintsThePicture) {
    const QRect place(QPoint(0, 0), size_);
    const auto show = [&](const std::function<void(QPainter&)>& setUp) {
        picture_.Invalidate();
        QImage target = MarkedTarget({70, 45}, 1.0);
        QPainter painter(&target);
        setUp(painter);
        picture_.Show(painter, control_, size_);
        painter.end();
        EXPECT_TRUE(picture_.IsValid()) << "through the picture";
        return target;
    };
    const QImage drawing = Drawing(control_, size_, 1.0);

    const QImage faded = show([](QPainter& p) { p.setOpacity(0.5); });
    EXPECT_NE(faded.pixel(25, 25), drawing.pixel(25, 25));
    EXPECT_NE(faded.pixel(25, 25), kMarker);

    const QImage clipped = show([](QPainter& p) { p.setClipRect(0, 0, 20, 45); });
    EXPECT_EQ(Pixels(clipped, {0, 0, 20, 30}), drawing.copy(0, 0, 20, 30));
    EXPECT_TRUE(UntouchedOutside(clipped, {0, 0, 20, 30}));

    const QImage halfPixel = show([](QPainter& p) { p.translate(0.5, 0); });
    EXPECT_TRUE(UntouchedOutside(halfPixel, {0, 0, 51, 30}));

    const QImage scaled = show([](QPainter& p) { p.scale(1.2, 1.2); });
    EXPECT_TRUE(UntouchedOutside(scaled, {0, 0, 60, 36}));
    EXPECT_FALSE(UntouchedOutside(scaled, place)) << "drawn bigger, as the painter asks";
}

// The widget painted by Qt into an image, as into a window's buffer: all of it after a change,
// then only a part of it, which must leave the rest of the image alone.
TEST(SwitchWidgetPaintTest, APartialPaintWritesOnlyItsPart) {
    TumblerSwitch widget;
    widget.setCaption(QStringLiteral("POWER"));
    widget.resize(60, 40);
    for (const double ratio : {1.0, 2.0}) {
        widget.setValue(!widget.value());
        QImage target = MarkedTarget({80, 50}, ratio);
        const QRect whole(QPoint(10, 6) * ratio, widget.size() * ratio);
        widget.render(&target, QPoint(10, 6));
        EXPECT_EQ(Pixels(target, whole), Drawing(widget.control(), widget.size(), ratio));
        EXPECT_TRUE(UntouchedOutside(target, whole));

        widget.setValue(!widget.value());
        target.fill(kMarker);
        const QRect part(QPoint(10, 6) * ratio, QSize(25, 40) * ratio);
        widget.render(&target, QPoint(10, 6), QRegion(0, 0, 25, 40));
        EXPECT_EQ(Pixels(target, part),
                  Drawing(widget.control(), widget.size(), ratio).copy(QRect({0, 0}, part.size())));
        EXPECT_TRUE(UntouchedOutside(target, part)) << ratio;
    }
}

}  // namespace
