#pragma once

#include <cstdint>

namespace tumbler::framework {

// Failures towards the container are result codes, negative when they are errors.
using HResult = std::int32_t;

constexpr HResult MakeError(std::uint32_t code) {
    return static_cast<HResult>(code);
}
constexpr bool Succeeded(HResult hr) {
    return hr >= 0;
}
constexpr bool Failed(HResult hr) {
    return hr < 0;
}

constexpr HResult kOk = 0;
constexpr HResult kFalse = 1;
constexpr HResult kNotImplemented = MakeError(0x80004001);
constexpr HResult kPointer = MakeError(0x80004003);
constexpr HResult kFail = MakeError(0x80004005);
constexpr HResult kInvalidArg = MakeError(0x80070057);
constexpr HResult kNoInterface = MakeError(0x80004002);
constexpr HResult kClassNotAvailable = MakeError(0x80040111);

// Dispatch.
constexpr HResult kMemberNotFound = MakeError(0x80020003);
constexpr HResult kTypeMismatch = MakeError(0x80020005);
constexpr HResult kUnknownName = MakeError(0x80020006);
constexpr HResult kOverflow = MakeError(0x8002000A);
constexpr HResult kBadParamCount = MakeError(0x8002000E);

// Control errors (facility control, 0x800A0000 + error number).
constexpr HResult kInvalidPropertyValue = MakeError(0x800A017C);  // 380
constexpr HResult kSetNotSupported = MakeError(0x800A017F);       // 383
constexpr HResult kSetNotPermitted = MakeError(0x800A0183);       // 387

// Stored data.
constexpr HResult kReadFault = MakeError(0x8003001E);       // the data end too early
constexpr HResult kUnknownVersion = MakeError(0x80030104);  // a format version not understood
constexpr HResult kDataCorrupt = MakeError(0x80030109);     // unreadable or impossible values

}  // namespace tumbler::framework
