#pragma once

#include <QImage>
#include <QSize>

namespace tumbler::framework {
class ControlBase;
}

namespace tumbler::widget {

// The control's rendered picture, border included, kept between paints: it is drawn again
// only after Invalidate or for another size or device pixel ratio. At a ratio above 1 the
// control draws at device resolution, its caption font scaled to match.
class SwitchPicture {
  public:
    void Invalidate() { valid_ = false; }
    bool IsValid() const { return valid_; }

    // The picture of `control` for a widget of `size` logical pixels; the control's bounds are
    // (0, 0, size) again afterwards.
    const QImage& Get(framework::ControlBase& control, QSize size, double devicePixelRatio);

  private:
    QImage image_;
    QSize size_;
    double ratio_ = 0;
    bool valid_ = false;
};

// One full rendering of the control with its border into a new image of `size` logical pixels
// at `devicePixelRatio`.
QImage RenderControl(framework::ControlBase& control, QSize size, double devicePixelRatio);

}  // namespace tumbler::widget
