// CTest hands Windows test programs host paths; Wine shows the host's root as drive Z:.
#pragma once

#include <string>

inline std::wstring ToWindowsPath(const char* path) {
    std::wstring result;
    for (const char* c = path; *c; ++c)
        result += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return !result.empty() && result[0] == L'\\' ? L"Z:" + result : result;
}
