// The notice pane in the real launcher, and the launcher without a web-browser control to put in it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2EEnvironment.h"
#include "LauncherProcess.h"

namespace {

RECT RectIn(HWND window, HWND parent) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    // The launcher's own window is a dialog too; the message box is the one with an OK button.
    if (owner == search->processId && IsWindowVisible(window) && wcscmp(className, L"#32770") == 0 &&
        GetDlgItem(window, IDOK) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectTexts(HWND child, LPARAM context) {
    reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(TextOf(child));
    return TRUE;
}

TEST(NoticePane, FillsItsPlaceBetweenTheButtons) {
    LauncherProcess launcher(TestPaths().launcher, L"");
    const HWND window = launcher.WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher.Report();
    const HWND pane = GetDlgItem(window, 112);
    ASSERT_NE(pane, nullptr);
    const RECT expectedPane = {17, 57, 812, 521};
    const RECT paneRect = RectIn(pane, window);
    EXPECT_TRUE(EqualRect(&paneRect, &expectedPane));
    const HWND control = FindWindowExW(pane, nullptr, L"Shell Embedding", nullptr);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetDlgCtrlID(control), 0xE900);
    const RECT expectedControl = {0, 0, 795, 464};
    const RECT controlRect = RectIn(control, pane);
    EXPECT_TRUE(EqualRect(&controlRect, &expectedControl));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(kLauncherExitMs)) << launcher.Report();
}

// A copy of the launcher for which Wine's per-program DLL overrides switch off the web-browser control's
// library, as if the control were missing from the system.
std::wstring LauncherWithoutBrowserControl() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring copy = std::wstring(temp) + L"SkyreachNoBrowser.exe";
    CopyFileW(TestPaths().launcher.c_str(), copy.c_str(), FALSE);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Wine\\AppDefaults\\SkyreachNoBrowser.exe\\DllOverrides", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(key, L"ieframe", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
        RegCloseKey(key);
    }
    return copy;
}

TEST(NoticePane, WithoutTheBrowserControlTheLauncherSaysSoAndEnds) {
    LauncherProcess launcher(LauncherWithoutBrowserControl(), L"");
    DialogSearch search = {launcher.ProcessId(), nullptr};
    const ULONGLONG deadline = GetTickCount64() + 60000;
    while (search.found == nullptr && GetTickCount64() < deadline && !launcher.WaitForExit(50)) {
        EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.found, nullptr) << "no message box";
    EXPECT_EQ(TextOf(search.found), L"SkyreachNoBrowser") << "captioned with the program's name";
    std::vector<std::wstring> texts;
    EnumChildWindows(search.found, CollectTexts, reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"UI Load Error!"), texts.end());
    EXPECT_EQ(GetDlgItem(search.found, IDCANCEL), nullptr);

    PostMessageW(search.found, WM_COMMAND, IDOK, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(launcher.WaitForExit(kLauncherExitMs, &exitCode)) << "the launcher ends\n"
                                                                  << launcher.Report();
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
