// The DLLs Windows maps from its own copies whatever the search order says (the KnownDLLs), by name in
// lower case. A program may import, or load by bare name, only these without giving a planted DLL of the
// same name a chance.
#pragma once

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

// HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs of Windows 10 (22H2), the WOW64 and
// emulation entries left out; ntdll.dll is always the system's own.
constexpr const char* kKnownDllsWindows10[] = {
    "advapi32.dll", "clbcatq.dll",  "combase.dll",  "comdlg32.dll", "coml2.dll",    "difxapi.dll",
    "gdi32.dll",    "gdiplus.dll",  "imagehlp.dll", "imm32.dll",    "kernel32.dll", "msctf.dll",
    "msvcrt.dll",   "normaliz.dll", "nsi.dll",      "ntdll.dll",    "ole32.dll",    "oleaut32.dll",
    "psapi.dll",    "rpcrt4.dll",   "sechost.dll",  "setupapi.dll", "shcore.dll",   "shell32.dll",
    "shlwapi.dll",  "user32.dll",   "wldap32.dll",  "ws2_32.dll",
};

// The same list of Windows 7 (SP1), the oldest Windows the launcher runs on: without combase, coml2,
// gdiplus and shcore, with the browser's iertutil, urlmon and wininet and the text layout's lpk and usp10.
constexpr const char* kKnownDllsWindows7[] = {
    "advapi32.dll", "clbcatq.dll", "comdlg32.dll", "difxapi.dll", "gdi32.dll",    "iertutil.dll",
    "imagehlp.dll", "imm32.dll",   "kernel32.dll", "lpk.dll",     "msctf.dll",    "msvcrt.dll",
    "normaliz.dll", "nsi.dll",     "ntdll.dll",    "ole32.dll",   "oleaut32.dll", "psapi.dll",
    "rpcrt4.dll",   "sechost.dll", "setupapi.dll", "shell32.dll", "shlwapi.dll",  "urlmon.dll",
    "user32.dll",   "usp10.dll",   "wininet.dll",  "wldap32.dll", "ws2_32.dll",
};

inline std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Known on every Windows the launcher runs on, 7 to 10: only these are safe by name alone.
inline bool IsKnownDllEverywhere(const std::string& name) {
    const std::string lower = LowerCase(name);
    const auto listed = [&lower](const auto& list) {
        return std::find(std::begin(list), std::end(list), lower) != std::end(list);
    };
    return listed(kKnownDllsWindows10) && listed(kKnownDllsWindows7);
}
