#pragma once

#include <QImage>
#include <QPixmap>

namespace dialogs {

inline constexpr int kPictureColours = 256;

// The about box's 199 x 109 picture in 256 colours: the KV3907P410 unit with its resolver.
QPixmap AboutPicture();

// `image` in at most 256 colours without dithering: its most frequent colours, each pixel
// taking the nearest.
QImage ToIndexed8(const QImage& image);

}  // namespace dialogs
