#pragma once

#include <string>

namespace tumbler::drawing {

// A font as a value: its owner (the control's stock font) keeps it and hands it to the
// drawing, which selects it into a context and gets the previous font back for restoring.
struct FontDescription {
    std::string family;
    double pointSize = 9.0;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;  // 0 ANSI, 128 Shift-JIS
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// A font the drawing can use: a name, a finite size above 0 and at most 2048 points, a weight
// of 0..1000 and a charset byte.
bool IsUsableFont(const FontDescription& font);

}  // namespace tumbler::drawing
