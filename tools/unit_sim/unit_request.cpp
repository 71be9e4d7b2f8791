#include "tools/unit_sim/unit_request.h"

#include <charconv>

#include "unit_link/command_frame.h"
#include "unit_link/unit_commands.h"

namespace unit_sim {

namespace {

// Reads the next hexadecimal field of `minDigits` to `maxDigits` digits from `text`
// and, when `separator` is not 0, the separator that must follow it.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::uint32_t> hex(std::size_t minDigits, std::size_t maxDigits,
                                     char separator = 0) {
        std::size_t digits = 0;
        while (digits < text_.size() && digits < maxDigits && IsHexDigit(text_[digits])) ++digits;
        if (digits < minDigits) return std::nullopt;
        std::uint32_t value = 0;
        std::from_chars(text_.data(), text_.data() + digits, value, 16);
        text_.remove_prefix(digits);
        if (separator != 0 && !take(separator)) return std::nullopt;
        return value;
    }

    bool take(char c) {
        if (text_.empty() || text_.front() != c) return false;
        text_.remove_prefix(1);
        return true;
    }

    bool atEnd() const { return text_.empty(); }

  private:
    static bool IsHexDigit(char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    }

    std::string_view text_;
};

// "AAAAAA;N;" of commands "4" and "5": a 6-digit address and a count of 1 to 16.
bool ReadAddressAndCount(FieldReader& fields, UnitRequest& request) {
    const auto address = fields.hex(6, 6, ';');
    const auto count = fields.hex(1, 2, ';');
    if (!address || !count || *count < 1 || *count > unit_link::MaxWordsPerRequest) return false;
    request.address = *address;
    request.count = static_cast<int>(*count);
    return true;
}

std::optional<UnitRequest> ParseBody(std::string_view body) {
    if (body.empty()) return std::nullopt;
    UnitRequest request;
    FieldReader fields(body.substr(1));
    switch (body.front()) {
        case '4': {
            request.command = UnitRequest::Command::ReadWords;
            if (!ReadAddressAndCount(fields, request)) return std::nullopt;
            break;
        }
        case '1': {
            request.command = UnitRequest::Command::ReadTwoBytes;
            const auto address = fields.hex(1, 6, ';');
            if (!address) return std::nullopt;
            request.address = *address;
            break;
        }
        case '2': {
            request.command = UnitRequest::Command::WriteWord;
            const auto address = fields.hex(6, 6, ',');
            const auto value = fields.hex(4, 4, ';');
            if (!address || !value) return std::nullopt;
            request.address = *address;
            request.values = {static_cast<std::uint16_t>(*value)};
            break;
        }
        case '5': {
            request.command = UnitRequest::Command::WriteWords;
            if (!ReadAddressAndCount(fields, request)) return std::nullopt;
            for (int i = 0; i < request.count; ++i) {
                const auto value = fields.hex(4, 4);
                if (!value) return std::nullopt;
                request.values.push_back(static_cast<std::uint16_t>(*value));
            }
            if (!fields.take(';')) return std::nullopt;
            break;
        }
        default:
            return std::nullopt;
    }
    if (!fields.atEnd()) return std::nullopt;
    // Words live at even addresses; the byte read may start anywhere.
    if (request.command != UnitRequest::Command::ReadTwoBytes && request.address % 2 != 0)
        return std::nullopt;
    return request;
}

}  // namespace

std::optional<UnitRequest> ParseUnitRequest(std::string_view content) {
    constexpr std::size_t ChecksumDigits = 4;
    if (content.size() <= ChecksumDigits) return std::nullopt;
    const std::string_view body = content.substr(0, content.size() - ChecksumDigits);
    if (content.substr(body.size()) != unit_link::FrameChecksum(body)) return std::nullopt;
    return ParseBody(body);
}

std::optional<std::string> FrameAssembler::push(char byte) {
    if (byte == unit_link::STX) {
        content_.clear();
        inFrame_ = true;
        return std::nullopt;
    }
    if (!inFrame_) return std::nullopt;
    if (byte == unit_link::ETX) {
        inFrame_ = false;
        std::string done;
        done.swap(content_);
        return done;
    }
    if (content_.size() < MaxContent) {
        content_ += byte;
    } else {
        inFrame_ = false;  // far longer than any request: noise, not a frame
        content_.clear();
    }
    return std::nullopt;
}

}  // namespace unit_sim
