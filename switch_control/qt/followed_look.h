#pragma once

// The look a Qt host gives the control where a container would give ambient properties: the
// host's font for Font, its palette's window text colour for CaptionColor and its window colour
// for BackColor. Plain QtGui, for every Qt host of the control (a widget, a Qt Quick item).

#include <QFont>
#include <QPalette>
#include <optional>

#include "switch_control/framework/control/font_description.h"
#include "switch_control/framework/control/system_colors.h"

namespace tumbler::framework {
class ControlBase;
}

namespace tumbler::qt {

// The host's look as the control's values.
struct HostLook {
    framework::FontDescription font;
    framework::OleColor captionColour = 0;
    framework::OleColor backColour = 0;
};

// `font` and `palette` as the control's values; the font keeps `charset`, which Qt's fonts
// do not carry.
HostLook HostLookOf(const QFont& font, const QPalette& palette, int charset);

// Which of Font, CaptionColor and BackColor follow the host's look. Each follows until the
// program sets it (from code, a style sheet or a form: the host calls Pin) or anything else
// gives the control another value than the one it last followed (a set through the control's
// dispatch, a load); from then on it keeps its value.
class FollowedLook {
  public:
    enum class Property { Font, CaptionColour, BackColour };

    // The program set `property`: it keeps its value from now on.
    void Pin(Property property);
    bool Follows(Property property, framework::ControlBase& control) const;
    // Gives every property that still follows the value of `look`.
    void Follow(framework::ControlBase& control, const HostLook& look);

  private:
    template <typename T>
    struct Followed {
        bool pinned = false;
        std::optional<T> last;  // none before the first Follow: the control's default follows
        bool Follows(const T& current) const { return !pinned && (!last || *last == current); }
        // The value is remembered before the set, so that the repaint the set causes already
        // sees the property following; a value the control refuses leaves it following what
        // it has.
        template <typename Read, typename Write>
        void Follow(const T& wanted, Read read, Write write) {
            if (!Follows(read())) return;
            last = wanted;
            if (!(read() == wanted)) write(wanted);
            last = read();
        }
    };

    Followed<framework::FontDescription> font_;
    Followed<framework::OleColor> captionColour_;
    Followed<framework::OleColor> backColour_;
};

}  // namespace tumbler::qt
