#include "widgets/group_frame.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QRadioButton>

#include "widgets/twips.h"

namespace widgets {
namespace {

// The first row, from the top, on which the group box's frame is drawn: scanned near its right
// edge, away from the title, on the group drawn without its children.
int DrawnFrameTop(QGroupBox& group) {
    QImage image(group.size(), QImage::Format_RGB32);
    group.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const int x = group.width() - 8;
    const QRgb background = image.pixel(x, 0);
    for (int y = 1; y < image.height(); ++y) {
        if (image.pixel(x, y) != background) return y;
    }
    return -1;
}

TEST(GroupFrame, ChildrenMoveBelowTheDrawnFrameTogether) {
    QWidget window;
    window.setFont(Arial(9));
    QGroupBox group("Dir of an Increase", &window);
    group.setGeometry(FromTwips(240, 1080, 3135, 555));
    auto* left = new QRadioButton("CCW", &group);
    left->setGeometry(FromTwips(240, 240, 855, 255));
    auto* right = new QRadioButton("CW", &group);
    right->setGeometry(FromTwips(1260, 240, 855, 255));
    const QSize size = group.size();

    // The fault: the figures put the options across the frame's top line.
    const int frameTop = DrawnFrameTop(group);
    ASSERT_GE(frameTop, left->y());
    ASSERT_LE(frameTop, left->geometry().bottom());

    KeepClearOfFrame(group);
    EXPECT_EQ(left->y(), frameTop + 1);
    EXPECT_EQ(right->y(), left->y());
    EXPECT_EQ(left->x(), 16);
    EXPECT_LT(left->geometry().bottom(), group.height() - 1);  // above the bottom line
    EXPECT_EQ(group.size(), size);

    // Already clear: nothing moves.
    const QRect placed = left->geometry();
    KeepClearOfFrame(group);
    EXPECT_EQ(left->geometry(), placed);
}

}  // namespace
}  // namespace widgets
