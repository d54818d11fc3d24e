#include "BrowserEmulation.h"

#include <cstddef>
#include <cwchar>

namespace {

struct EMULATION_ROW {
    long majorVersion;
    std::uint32_t emulationValue;
};

constexpr EMULATION_ROW kEmulationByMajorVersion[] = {
    {7, 7000}, {8, 8000}, {9, 9000}, {10, 10000}, {11, 11000},
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal reading in the manner of atoi, on the field narrowed to 8-bit characters (the low byte of
// each UTF-16 unit). Saturates instead of overflowing: any out-of-table number maps alike.
long ParseNarrowedDecimal(const wchar_t* field, std::size_t length) {
    std::size_t i = 0;
    auto narrow = [&](std::size_t at) { return static_cast<char>(field[at] & 0xFF); };
    while (i < length && IsSpace(narrow(i))) {
        ++i;
    }
    bool negative = false;
    if (i < length && (narrow(i) == '+' || narrow(i) == '-')) {
        negative = narrow(i) == '-';
        ++i;
    }
    long value = 0;
    for (; i < length && narrow(i) >= '0' && narrow(i) <= '9'; ++i) {
        if (value < 100000000) {
            value = value * 10 + (narrow(i) - '0');
        }
    }
    return negative ? -value : value;
}

} // namespace

std::uint32_t EmulationValueFromVersionText(const wchar_t* versionText) {
    const wchar_t* field = versionText;
    while (*field == L'.') {
        ++field;
    }
    const std::size_t length = std::wcscspn(field, L".");
    if (length == 0) {
        return kEmulationValueNotFound;
    }

    const long major = ParseNarrowedDecimal(field, length);
    for (const EMULATION_ROW& row : kEmulationByMajorVersion) {
        if (row.majorVersion == major) {
            return row.emulationValue;
        }
    }
    return kDefaultEmulationValue;
}
