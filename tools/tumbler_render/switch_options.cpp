#include "tools/tumbler_render/switch_options.h"

#include <charconv>
#include <cstdlib>
#include <functional>
#include <map>

#include "switch_control/tumbler_ctrl.h"

namespace tumbler::render {
namespace {

bool ReadInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end;
}

bool ReadColour(const std::string& text, std::optional<drawing::Rgb>& result) {
    drawing::Rgb colour = 0;
    if (text.size() < 3 || text.size() > 8 || text.compare(0, 2, "0x") != 0) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data() + 2, end, colour, 16);
    if (ec != std::errc{} || ptr != end || colour > 0xFFFFFF) return false;
    result = colour;
    return true;
}

bool ReadDouble(const std::string& text, std::optional<double>& result) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size()) return false;
    result = value;
    return true;
}

bool ReadBounds(const std::string& text, drawing::Rect& bounds) {
    int values[4];
    std::size_t from = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = text.find(',', from);
        const bool last = i == 3;
        if (last != (comma == std::string::npos)) return false;
        if (!ReadInt(text.substr(from, last ? std::string::npos : comma - from), values[i])) {
            return false;
        }
        from = comma + 1;
    }
    bounds = {values[0], values[1], values[2], values[3]};
    return true;
}

}  // namespace

bool WantsDrawing(const std::vector<std::string>& args) {
    for (const auto& arg : args) {
        if (arg == "--shape" || arg == "--calls" || arg == "--png" || arg == "--sheet") {
            return true;
        }
    }
    return false;
}

std::optional<SwitchRequest> ParseSwitchRequest(const std::vector<std::string>& args,
                                                std::string& error) {
    SwitchRequest request;
    auto& l = request;
    using Reader = std::function<bool(const std::string&)>;
    const std::map<std::string, Reader> withValue{
        {"--shape", [&](const std::string& v) { return ReadInt(v, l.shape); }},
        {"--caption",
         [&](const std::string& v) {
             l.caption = v;
             return true;
         }},
        {"--bounds", [&](const std::string& v) { return ReadBounds(v, request.bounds); }},
        {"--fore", [&](const std::string& v) { return ReadColour(v, l.fore); }},
        {"--led", [&](const std::string& v) { return ReadColour(v, l.led); }},
        {"--dark", [&](const std::string& v) { return ReadDouble(v, l.dark); }},
        {"--png",
         [&](const std::string& v) {
             request.pngFile = v;
             return !v.empty();
         }},
        {"--sheet",
         [&](const std::string& v) {
             request.sheetFile = v;
             return !v.empty();
         }},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--horizontal") {
            l.horizontal = true;
        } else if (arg == "--on") {
            l.on = true;
        } else if (arg == "--caption-bottom") {
            l.captionBottom = true;
        } else if (arg == "--calls") {
            request.calls = true;
        } else if (auto reader = withValue.find(arg); reader != withValue.end()) {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            if (!reader->second(args[++i])) {
                error = "bad value for " + arg + ": " + args[i];
                return std::nullopt;
            }
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    if (!request.calls && request.pngFile.empty() && request.sheetFile.empty()) {
        error = "say --calls, --png FILE or --sheet FILE";
        return std::nullopt;
    }
    return request;
}

void ApplyRequest(const SwitchRequest& request, CTumblerCtrl& control) {
    control.SetSwitchShape(request.shape);
    control.SetAlignment(request.horizontal ? 1 : 0);
    control.SetValue(request.on ? 1 : 0);
    control.SetText(request.caption);
    control.SetCaptionAlignment(request.captionBottom ? 1 : 0);
    if (request.fore) control.SetForeColor(*request.fore);
    if (request.led) control.SetLedColor(*request.led);
    if (request.dark) control.SetLedDarkPrm(*request.dark);
}

}  // namespace tumbler::render
