#pragma once

#include <QImage>
#include <QSize>
#include <optional>

class QPainter;

namespace tumbler::framework {
class ControlBase;
}

namespace tumbler::qt {

// The control's rendered picture, border included, kept between paints: it is drawn again
// only after Invalidate or for another size or device pixel ratio. At a ratio above 1 the
// control draws at device resolution, its caption font scaled to match.
class SwitchPicture {
  public:
    void Invalidate() {
        valid_ = false;
        drawnDirect_.reset();
    }
    bool IsValid() const { return valid_; }

    // The picture of `control` for a widget of `size` logical pixels; the control's bounds are
    // (0, 0, size) again afterwards.
    const QImage& Get(framework::ControlBase& control, QSize size, double devicePixelRatio);

    // Shows the control through `painter`, the paint of a widget of `size` at its origin. A
    // kept picture is copied. After a change, the first paint of the whole widget into a
    // window's buffer draws the control straight into that buffer, since copying a large
    // picture costs as much as drawing it; the picture is drawn when a later paint needs it,
    // and kept from then on.
    void Show(QPainter& painter, framework::ControlBase& control, QSize size);

  private:
    struct Extent {
        QSize size;
        double ratio = 0;
        bool operator==(const Extent&) const = default;
    };

    QImage image_;
    Extent extent_;
    bool valid_ = false;
    std::optional<Extent> drawnDirect_;  // since the last change
};

// One full rendering of the control with its border into a new image of `size` logical pixels
// at `devicePixelRatio`.
QImage RenderControl(framework::ControlBase& control, QSize size, double devicePixelRatio);

}  // namespace tumbler::qt
