#pragma once

#include <QPixmap>

namespace dialogs {

// The about box's 199 x 109 picture in 256 colours: the KV3907P410 unit with its resolver.
QPixmap AboutPicture();

}  // namespace dialogs
