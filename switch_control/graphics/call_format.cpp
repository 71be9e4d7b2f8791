#include "switch_control/graphics/call_format.h"

#include <cstdio>

namespace tumbler::drawing {
namespace {

std::string Hex(int colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour) & 0xFFFFFFu);
    return text;
}

std::string Joined(const std::vector<int>& values, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count && i < values.size(); ++i) {
        if (i != 0) out += ',';
        out += std::to_string(values[i]);
    }
    return out;
}

std::string Call(const char* name, const std::string& arguments) {
    return std::string(name) + '(' + arguments + ')';
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

}  // namespace

bool IsPictureCall(const DrawingCall& call) {
    switch (call.kind) {
        case CallKind::SelectPen:
        case CallKind::SelectBrush:
        case CallKind::FillRect:
        case CallKind::Rectangle:
        case CallKind::Ellipse:
        case CallKind::Polygon:
        case CallKind::Polyline:
        case CallKind::Pie:
        case CallKind::Arc:
        case CallKind::MoveTo:
        case CallKind::LineTo:
        case CallKind::DrawText:
            return true;
        default:
            return false;
    }
}

std::string FormatCall(const DrawingCall& call) {
    const auto& a = call.args;
    const auto all = a.size();
    switch (call.kind) {
        case CallKind::CreatePen:
            return Call("CreatePen", std::to_string(a[0]) + ',' + Hex(a[1]));
        case CallKind::CreateSolidBrush:
            return Call("CreateSolidBrush", Hex(a[0]));
        case CallKind::CreateCompatibleBitmap:
            return Call("CreateCompatibleBitmap", Joined(a, 2));
        case CallKind::CreateCompatibleContext:
            return Call("CreateCompatibleContext", "");
        case CallKind::ReleaseContext:
            return Call("ReleaseContext", "");
        case CallKind::SelectPen:
            return Call("Pen", std::to_string(a[0]) + ',' + Hex(a[1]));
        case CallKind::SelectBrush:
            return Call("Brush", Hex(a[0]));
        case CallKind::SelectBitmap:
            return Call("SelectBitmap", Joined(a, 2));
        case CallKind::DeleteObject:
            return Call("DeleteObject", std::to_string(call.object));
        case CallKind::FillRect:
            return Call("FillRect", Joined(a, 4) + ',' + Hex(a[4]));
        case CallKind::Rectangle:
            return Call("Rectangle", Joined(a, all));
        case CallKind::Ellipse:
            return Call("Ellipse", Joined(a, all));
        case CallKind::Polygon:
            return Call("Polygon", Joined(a, all));
        case CallKind::Polyline:
            return Call("Polyline", Joined(a, all));
        case CallKind::Pie:
            return Call("Pie", Joined(a, all));
        case CallKind::Arc:
            return Call("Arc", Joined(a, all));
        case CallKind::MoveTo:
            return Call("MoveTo", Joined(a, all));
        case CallKind::LineTo:
            return Call("LineTo", Joined(a, all));
        case CallKind::SelectFont:
            return Call("Font", Quoted(call.text) + ',' + Joined(a, all));
        case CallKind::SetTextColour:
            return Call("TextColour", Hex(a[0]));
        case CallKind::SetTransparentBackground:
            return Call("TransparentBackground", "");
        case CallKind::SetTextAlignCentreTop:
            return Call("TextAlignCentreTop", "");
        case CallKind::DrawText:
            return Call("DrawText", Joined(a, 2) + ',' + Quoted(call.text));
        case CallKind::SetViewportOrigin:
            return Call("ViewportOrigin", Joined(a, all));
        case CallKind::CopyFrom:
            return Call("CopyFrom", Joined(a, all));
    }
    return "?";
}

std::vector<std::string> FormatPicture(const std::vector<DrawingCall>& calls) {
    std::vector<std::string> lines;
    for (const auto& call : calls) {
        if (IsPictureCall(call)) lines.push_back(FormatCall(call));
    }
    return lines;
}

}  // namespace tumbler::drawing
