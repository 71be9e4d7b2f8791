#include "switch_control/framework/module/cp932_text.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace tumbler::framework {
namespace {

// U+301C WAVE DASH has no place in code page 932; its 0x8160 decodes to U+FF5E.
std::string NormaliseWaveDash(std::string_view utf8) {
    static constexpr std::string_view kWaveDash = "\xE3\x80\x9C";
    static constexpr std::string_view kFullwidthTilde = "\xEF\xBD\x9E";
    std::string out(utf8);
    for (auto pos = out.find(kWaveDash); pos != std::string::npos;
         pos = out.find(kWaveDash, pos + kFullwidthTilde.size())) {
        out.replace(pos, kWaveDash.size(), kFullwidthTilde);
    }
    return out;
}

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string input(in);
    std::vector<char> buffer(input.size() * 4 + 4);
    char* src = input.data();
    size_t srcLeft = input.size();
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || srcLeft != 0) return std::nullopt;
    return std::string(buffer.data(), buffer.size() - dstLeft);
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", NormaliseWaveDash(utf8));
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932);
}

}  // namespace tumbler::framework
