// The real launcher in awkward places: a broken skin, names in foreign scripts, a long run of use. What it
// leaves in the registry is checked by registry-footprint.sh.
#include <gtest/gtest.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "E2EEnvironment.h"
#include "FeatureRegistry.h"
#include "LauncherMessages.h"
#include "LauncherProcess.h"
#include "ScratchDirectory.h"
#include "ShippedButtons.h"
#include "XPointer.h"

namespace {

// The centre of a button's face on the screen, for a launcher window at `window`.
POINT FaceCentre(const RECT& window, const BUTTON_DATA& row) {
    return {window.left + (row.face.left + row.face.right) / 2,
            window.top + (row.face.top + row.face.bottom) / 2};
}

std::wstring TitleOf(HWND window) {
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    return title;
}

// A copy of the launcher whose skin resource is not a PNG any more.
TEST(BrokenSkin, LeavesAPlainClosableWindowWithItsTitleAndTheSwitchesWritten) {
    const std::wstring copy = FreshScratchDirectory(L"skyreach-broken-skin") + L"\\SkyreachBrokenSkin.exe";
    ASSERT_TRUE(CopyFileW(TestPaths().launcher.c_str(), copy.c_str(), FALSE));
    const HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    char garbage[] = "this was a skin once";
    ASSERT_TRUE(UpdateResourceW(update, L"PNG", MAKEINTRESOURCEW(206),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), garbage, sizeof garbage));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    DeleteFeatureValue(L"FEATURE_BROWSER_EMULATION", L"SkyreachBrokenSkin.exe");

    LauncherProcess launcher(copy, L"");
    const HWND window = launcher.WaitForWindow();
    ASSERT_NE(window, nullptr) << "the window stays open\n" << launcher.Report();
    EXPECT_EQ(TitleOf(window), L"Skyreach Launcher");
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_NE(rect.right - rect.left, 830) << "the template's size, not the skin's";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR) << "rectangular: no region";
    DeleteObject(region);
    EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr) << "no controls";
    DWORD type = 0;
    EXPECT_NE(ReadFeatureValue(L"FEATURE_BROWSER_EMULATION", L"SkyreachBrokenSkin.exe", &type), 0u)
        << "the switches were written before the skin was needed";
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(launcher.WaitForExit(kLauncherExitMs, &exitCode)) << launcher.Report();
    EXPECT_EQ(exitCode, 0u);
}

TEST(ForeignNames, AFolderAndAProgramNamedInOtherScriptsWork) {
    const std::wstring folder = FreshScratchDirectory(L"Скайрич 天空 \U0001F680");
    const std::wstring name = L"Лаунчер启动器\U0001F680.exe";
    const std::wstring exe = folder + L"\\" + name;
    ASSERT_TRUE(CopyFileW(TestPaths().launcher.c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(TestPaths().patcher.c_str(), (folder + L"\\patcher_qz.exe").c_str(), FALSE));
    const std::wstring record = folder + L"\\patcher_record.txt";
    DeleteFeatureValue(L"FEATURE_BROWSER_EMULATION", name.c_str());

    LauncherProcess launcher(exe, folder);
    const HWND window = launcher.WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher.Report();
    DWORD type = 0;
    EXPECT_EQ(ReadFeatureValue(L"FEATURE_GPU_RENDERING", name.c_str(), &type), 1u) << "under the exact name";
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));

    RECT rect = {};
    GetWindowRect(window, &rect);
    const POINT start = FaceCentre(rect, ButtonRowFor(RequestStart));
    ASSERT_TRUE(XPointer::MoveTo(start.x, start.y));
    ASSERT_TRUE(XPointer::Click());
    EXPECT_TRUE(launcher.WaitForExit(kLauncherExitMs)) << launcher.Report();
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (GetFileAttributesW(record.c_str()) == INVALID_FILE_ATTRIBUTES && GetTickCount64() < deadline)
        Sleep(50);
    EXPECT_NE(GetFileAttributesW(record.c_str()), INVALID_FILE_ATTRIBUTES) << "the patcher started there";
    ASSERT_TRUE(XPointer::MoveTo(40, 40));
}

SIZE_T PrivateBytesOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.PagefileUsage;
}

// Hover, press and minimise with the real pointer, restore as the taskbar does, two hundred times.
TEST(Soak, TwoHundredRoundsOfUseDoNotGrowTheLaunchersMemory) {
    LauncherProcess launcher(TestPaths().launcher, L"");
    const HWND window = launcher.WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher.Report();
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    ASSERT_NE(process, nullptr);
    RECT rect = {};
    GetWindowRect(window, &rect);
    const POINT web = FaceCentre(rect, ButtonRowFor(OpenUrl));
    const POINT minimise = FaceCentre(rect, ButtonRowFor(MinimiseParent));

    SIZE_T warmedUp = 0;
    for (int round = 0; round < 200; ++round) {
        ASSERT_TRUE(XPointer::MoveTo(web.x, web.y)) << round;
        ASSERT_TRUE(XPointer::MoveTo(minimise.x, minimise.y)) << round;
        ASSERT_TRUE(XPointer::Click()) << round;
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (!IsIconic(window) && GetTickCount64() < deadline)
            Sleep(5);
        ASSERT_TRUE(IsIconic(window)) << round;
        ShowWindow(window, SW_RESTORE);
        if (round == 19)
            warmedUp = PrivateBytesOf(process);
    }
    ASSERT_TRUE(XPointer::MoveTo(40, 40));
    const SIZE_T after = PrivateBytesOf(process);
    std::printf("launcher private bytes: %lu after 20 rounds, %lu after 200\n",
                static_cast<unsigned long>(warmedUp), static_cast<unsigned long>(after));
    EXPECT_LE(after, warmedUp + (256 << 10)) << "no more than 256 KB over 180 rounds";
    CloseHandle(process);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(kLauncherExitMs)) << launcher.Report();
}

} // namespace
