#include "switch_control/framework/control/stream_exchange.h"

#include <bit>

namespace tumbler::framework {

namespace {

enum FontFlag : std::uint8_t { kItalic = 1, kUnderline = 2, kStrikeOut = 4 };
constexpr std::uint8_t kKnownFontFlags = kItalic | kUnderline | kStrikeOut;

void PutUnsigned(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutString(std::vector<std::uint8_t>& out, const std::string& text) {
    PutUnsigned(out, text.size(), 4);
    out.insert(out.end(), text.begin(), text.end());
}

void PutDouble(std::vector<std::uint8_t>& out, double value) {
    PutUnsigned(out, std::bit_cast<std::uint64_t>(value), 8);
}

// Takes bytes from the front of the data; every read checks what is left first.
class Cursor {
  public:
    explicit Cursor(std::span<const std::uint8_t>& data) : data_(data) {}

    bool Unsigned(int bytes, std::uint64_t* value) {
        if (data_.size() < static_cast<std::size_t>(bytes)) return false;
        *value = 0;
        for (int i = 0; i < bytes; ++i) *value |= std::uint64_t{data_[i]} << (8 * i);
        data_ = data_.subspan(bytes);
        return true;
    }

    bool Signed32(std::int32_t* value) {
        std::uint64_t raw;
        if (!Unsigned(4, &raw)) return false;
        *value = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
        return true;
    }

    bool Double(double* value) {
        std::uint64_t raw;
        if (!Unsigned(8, &raw)) return false;
        *value = std::bit_cast<double>(raw);
        return true;
    }

    bool String(std::string* text) {
        std::uint64_t length;
        if (!Unsigned(4, &length) || length > data_.size()) return false;
        text->assign(reinterpret_cast<const char*>(data_.data()), length);
        data_ = data_.subspan(length);
        return true;
    }

  private:
    std::span<const std::uint8_t>& data_;
};

Variant IntegerOfType(VarType type, std::int32_t integer) {
    if (type == VarType::Bool) return Variant::Bool(integer);
    if (type == VarType::Color) return Variant::Color(static_cast<OleColor>(integer));
    return Variant::Long(integer);
}

HResult ReadFont(Cursor& cursor, Variant* value) {
    FontDescription font;
    std::int32_t weight;
    std::uint64_t flags;
    std::uint64_t charset;
    if (!cursor.String(&font.family) || !cursor.Double(&font.pointSize) ||
        !cursor.Signed32(&weight) || !cursor.Unsigned(1, &flags) || !cursor.Unsigned(1, &charset)) {
        return kReadFault;
    }
    if ((flags & ~std::uint64_t{kKnownFontFlags}) != 0) return kDataCorrupt;
    font.weight = weight;
    font.italic = (flags & kItalic) != 0;
    font.underline = (flags & kUnderline) != 0;
    font.strikeOut = (flags & kStrikeOut) != 0;
    font.charset = static_cast<int>(charset);
    *value = Variant::Font(std::move(font));
    return kOk;
}

HResult ReadValue(Cursor& cursor, Variant* value) {
    std::uint64_t tag;
    if (!cursor.Unsigned(1, &tag)) return kReadFault;
    std::uint64_t raw;
    std::int32_t integer;
    double number;
    std::string text;
    switch (static_cast<VarType>(tag)) {
        case VarType::Short:
            if (!cursor.Unsigned(2, &raw)) return kReadFault;
            *value = Variant::Short(static_cast<std::int16_t>(static_cast<std::uint16_t>(raw)));
            return kOk;
        case VarType::Long:
        case VarType::Bool:
        case VarType::Color:
            if (!cursor.Signed32(&integer)) return kReadFault;
            *value = IntegerOfType(static_cast<VarType>(tag), integer);
            return kOk;
        case VarType::Double:
            if (!cursor.Double(&number)) return kReadFault;
            *value = Variant::Double(number);
            return kOk;
        case VarType::String:
            if (!cursor.String(&text)) return kReadFault;
            *value = Variant::String(std::move(text));
            return kOk;
        case VarType::Font:
            return ReadFont(cursor, value);
        case VarType::Empty:
            break;
    }
    return kDataCorrupt;
}

}  // namespace

HResult StreamSaveExchange::Write(std::string_view, const Variant& value) {
    std::vector<std::uint8_t>& out = *out_;
    out.push_back(static_cast<std::uint8_t>(value.Type()));
    switch (value.Type()) {
        case VarType::Short:
            PutUnsigned(out, static_cast<std::uint16_t>(value.Integer()), 2);
            break;
        case VarType::Long:
        case VarType::Bool:
        case VarType::Color:
            PutUnsigned(out, static_cast<std::uint32_t>(value.Integer()), 4);
            break;
        case VarType::Double:
            PutDouble(out, value.AsDouble());
            break;
        case VarType::String:
            PutString(out, value.AsString());
            break;
        case VarType::Font: {
            const FontDescription& font = value.AsFont();
            PutString(out, font.family);
            PutDouble(out, font.pointSize);
            PutUnsigned(out, static_cast<std::uint32_t>(font.weight), 4);
            out.push_back(static_cast<std::uint8_t>((font.italic ? kItalic : 0) |
                                                    (font.underline ? kUnderline : 0) |
                                                    (font.strikeOut ? kStrikeOut : 0)));
            out.push_back(static_cast<std::uint8_t>(font.charset));
            break;
        }
        case VarType::Empty:
            return kInvalidArg;
    }
    return kOk;
}

HResult StreamLoadExchange::Read(std::string_view, VarType type, Variant* value, bool* found) {
    Cursor cursor(data_);
    const HResult hr = ReadValue(cursor, value);
    if (Failed(hr)) return hr;
    // Only this code writes the form, so a value of another type is damage, not a conversion.
    if (value->Type() != type) return kTypeMismatch;
    *found = true;
    return kOk;
}

}  // namespace tumbler::framework
