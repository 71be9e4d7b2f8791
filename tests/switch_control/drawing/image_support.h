#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "switch_control/graphics/drawing_types.h"

namespace tumbler::drawing::testing {

// A white image to draw into, read back pixel by pixel as 0xBBGGRR.
class WhiteImageTest : public ::testing::Test {
  protected:
    WhiteImageTest(int width, int height) : image_(width, height, QImage::Format_RGB32) {
        image_.fill(Qt::white);
    }
    Rgb At(int x, int y) const {
        const QRgb p = image_.pixel(x, y);
        return MakeRgb(qRed(p), qGreen(p), qBlue(p));
    }

    QImage image_;
};

}  // namespace tumbler::drawing::testing
