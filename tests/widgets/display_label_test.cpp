#include "widgets/display_label.h"

#include <gtest/gtest.h>

namespace widgets {
namespace {

// Green text on dark green, as the position read-outs are.
TEST(DisplayLabel, BorderIsDrawnInTheFrameColourNotTheText) {
    DisplayLabel label("88");
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor(0, 64, 0));
    palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.resize(80, 30);
    const QImage image = label.grab().toImage();
    for (const QPoint edge : {QPoint(0, 15), QPoint(79, 15), QPoint(40, 0), QPoint(40, 29)})
        EXPECT_EQ(QColor(image.pixel(edge)), DisplayLabel::kFrameColor)
            << edge.x() << "," << edge.y();
    EXPECT_EQ(QColor(image.pixel(1, 15)), QColor(0, 64, 0));
    bool textIsGreen = false;
    for (int x = 40; x < 79 && !textIsGreen; ++x) {
        for (int y = 1; y < 29; ++y) textIsGreen |= QColor(image.pixel(x, y)) == QColor(0, 255, 0);
    }
    EXPECT_TRUE(textIsGreen);
}

}  // namespace
}  // namespace widgets
