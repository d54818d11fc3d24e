#include "E2EEnvironment.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "HostPath.h"

namespace {

E2EPaths g_paths;

// Wine hands web addresses to the programs listed here instead of a real browser.
void UseStandInBrowser(const std::string& script) {
    const std::wstring value(script.begin(), script.end());
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

} // namespace

const E2EPaths& TestPaths() {
    return g_paths;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 9) {
        std::fprintf(stderr,
                     "usage: %s <launcher.exe> <test patcher.exe> <skin.png> <bitmap dir> <browser script> "
                     "<forger.exe> <marker.dll> <Wine output file>\n",
                     argv[0]);
        return 2;
    }
    const std::string script = argv[5];
    const std::string record = script.substr(0, script.find_last_of('/') + 1) + "opened-urls.txt";
    g_paths = {ToWindowsPath(argv[1]),
               ToWindowsPath(argv[2]),
               ToWindowsPath(argv[3]),
               ToWindowsPath(argv[4]),
               script,
               ToWindowsPath(record.c_str()),
               ToWindowsPath(argv[6]),
               ToWindowsPath(argv[7]),
               ToWindowsPath(argv[8])};
    std::printf("Wine's output of this run, the launchers' lines among it: %s\n", argv[8]);
    UseStandInBrowser(script);
    return RUN_ALL_TESTS();
}
