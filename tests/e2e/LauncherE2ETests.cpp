// End-to-end checks of the real launcher executable, as a player (and the publisher) would see it.
#include "E2EEnvironment.h"
#include "FeatureRegistry.h"
#include "LauncherMessages.h"
#include "LauncherProcess.h"
#include "Pictures.h"
#include "PatcherRecord.h"
#include "ScratchDirectory.h"
#include "SingleInstance.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

bool SameText(const std::wstring& a, const std::wstring& b) {
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
}

void CloseLauncher(HWND window, const LauncherProcess& launcher) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(launcher.WaitForExit(kLauncherExitMs, &exitCode)) << launcher.Report();
}

class Launcher : public testing::Test {
protected:
    LauncherProcess* Start(const std::wstring& directory = L"") {
        m_processes.push_back(std::make_unique<LauncherProcess>(TestPaths().launcher, directory));
        return m_processes.back().get();
    }
    // Starts the launcher in `directory`, posts its window `message` and waits for it to end well.
    void EndWith(UINT message, const std::wstring& directory = L"") {
        const LauncherProcess* launcher = Start(directory);
        const HWND window = launcher->WaitForWindow();
        ASSERT_NE(window, nullptr) << launcher->Report();
        PostMessageW(window, message, 0, 0);
        DWORD exitCode = 1;
        ASSERT_TRUE(launcher->WaitForExit(kLauncherExitMs, &exitCode)) << launcher->Report();
        EXPECT_EQ(exitCode, 0u);
    }
    std::vector<std::unique_ptr<LauncherProcess>> m_processes;
};

TEST_F(Launcher, ShowsItsTitledSkinSizedWindowCentredOnTheWorkArea) {
    const LauncherProcess* launcher = Start();
    const HWND window = launcher->WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher->Report();

    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    EXPECT_STREQ(title, kLauncherTitle);

    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 830);
    EXPECT_EQ(rect.bottom - rect.top, 620);

    // The template is centred on the work area; resizing to the skin keeps that centre (to within
    // the pixel lost by halving).
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((rect.left + rect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, (work.top + work.bottom) / 2, 1);

    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 400, rect.top + 300)), HTCAPTION);
    CloseLauncher(window, *launcher);
}

TEST_F(Launcher, WindowIsCutToTheSkinsOutline) {
    const LauncherProcess* launcher = Start();
    const HWND window = launcher->WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher->Report();

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(window, region), COMPLEXREGION);
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<BYTE> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    ASSERT_EQ(GetRegionData(region, size, data), size);
    long long area = 0;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        area += static_cast<long long>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    EXPECT_EQ(area, 505837);

    struct Probe {
        int x, y;
        bool inside;
    };
    constexpr Probe probes[] = {
        {0, 0, false},    {7, 0, false},    {8, 0, true},      {829, 0, false},
        {821, 0, true},   {0, 591, true},   {0, 592, false},   {280, 619, false},
        {281, 619, true}, {548, 619, true}, {549, 619, false}, {415, 300, true},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(PtInRegion(region, p.x, p.y) != FALSE, p.inside) << p.x << "," << p.y;
    DeleteObject(region);
    CloseLauncher(window, *launcher);
}

TEST_F(Launcher, PaintsTheSkinOnScreen) {
    const LauncherProcess* launcher = Start();
    const HWND window = launcher->WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher->Report();
    RECT rect = {};
    GetWindowRect(window, &rect);

    struct Point {
        int x, y;
    };
    // Skin clear of the buttons and of the notice pane (17, 57)-(812, 521).
    constexpr Point points[] = {{415, 40},  {8, 300},   {820, 300}, {415, 25},
                                {120, 540}, {600, 590}, {20, 580}};
    const Picture skin = LoadPicture(TestPaths().skin);
    // The first paint may still be on its way.
    const ULONGLONG deadline = GetTickCount64() + 15000;
    while (ScreenPixel(rect.left + 415, rect.top + 40) != skin.At(415, 40) && GetTickCount64() < deadline)
        Sleep(100);
    for (const Point& p : points)
        EXPECT_EQ(ScreenPixel(rect.left + p.x, rect.top + p.y), skin.At(p.x, p.y)) << p.x << "," << p.y;
    // The cut corner shows what lies behind, never the key colour.
    EXPECT_NE(ScreenPixel(rect.left, rect.top), RGB(255, 0, 255));
    CloseLauncher(window, *launcher);
}

TEST_F(Launcher, ASecondStartEndsAtOnceWithoutAWindow) {
    const LauncherProcess* first = Start();
    const HWND window = first->WaitForWindow();
    ASSERT_NE(window, nullptr) << first->Report();

    const LauncherProcess* second = Start();
    EXPECT_EQ(second->WaitForWindow(), nullptr) << second->Report();
    DWORD exitCode = 1;
    EXPECT_TRUE(second->WaitForExit(0, &exitCode)) << second->Report();
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(IsWindow(window)) << "the first launcher stays";
    CloseLauncher(window, *first);

    // The marker ended with the first process, so the next start works again.
    const LauncherProcess* third = Start();
    const HWND again = third->WaitForWindow();
    ASSERT_NE(again, nullptr) << third->Report();
    CloseLauncher(again, *third);
}

TEST_F(Launcher, AnyProcessHoldingTheMarkerKeepsItOut) {
    const HANDLE marker = CreateEventW(nullptr, FALSE, FALSE, kSingleInstanceMarkerName);
    ASSERT_NE(marker, nullptr);
    const LauncherProcess* launcher = Start();
    EXPECT_EQ(launcher->WaitForWindow(), nullptr) << launcher->Report();
    EXPECT_TRUE(launcher->WaitForExit(0)) << launcher->Report();
    CloseHandle(marker);
}

// A crowd of starts at the same moment (a double double-click, a shortcut held down): exactly one
// launcher may show its window, and all the others must end quietly.
TEST(LauncherCrowd, TwentyStartsAtOnceLeaveOneLauncherFiveTimesOver) {
    constexpr int kCrowd = 20;
    for (int round = 0; round < 5; ++round) {
        std::vector<std::unique_ptr<LauncherProcess>> crowd;
        for (int i = 0; i < kCrowd; ++i) {
            LauncherOptions options;
            options.suspended = true;
            crowd.push_back(std::make_unique<LauncherProcess>(TestPaths().launcher, options));
            ASSERT_TRUE(crowd.back()->Started());
        }
        const ULONGLONG start = GetTickCount64();
        for (const auto& launcher : crowd)
            launcher->Resume();

        // The launchers that give way end on their own; the one that stays is the one still running once the
        // others have ended.
        const auto stillRunning = [&crowd] {
            int running = 0;
            for (const auto& launcher : crowd)
                running += !launcher->WaitForExit(0);
            return running;
        };
        int running = kCrowd;
        while ((running = stillRunning()) > 1 && GetTickCount64() - start < 2 * kLauncherWindowMs)
            Sleep(20);
        const ULONGLONG settled = GetTickCount64() - start;
        EXPECT_EQ(running, 1) << "round " << round;
        int windows = 0;
        for (const auto& launcher : crowd) {
            DWORD exitCode = STILL_ACTIVE;
            if (launcher->WaitForExit(0, &exitCode)) {
                EXPECT_EQ(exitCode, 0u) << "round " << round << "\n" << launcher->Report();
                continue;
            }
            const HWND window = launcher->WaitForWindow();
            windows += window != nullptr;
            if (window)
                PostMessageW(window, WM_CLOSE, 0, 0);
            EXPECT_TRUE(launcher->WaitForExit(kLauncherExitMs)) << launcher->Report();
        }
        EXPECT_EQ(windows, 1) << "round " << round;
        std::printf("round %d: the other %d launchers ended %llu ms after the crowd started\n", round,
                    kCrowd - 1, settled);
    }
}

TEST_F(Launcher, EnterAndEscapeLeaveTheWindowOpen) {
    const LauncherProcess* launcher = Start();
    const HWND window = launcher->WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher->Report();
    // Posted, the keys pass through the launcher's message loop as typed keys would. A minimise request
    // posted behind them is handled only after them, and only if the window is still open by then.
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(window, WM_KEYUP, VK_RETURN, 0xC01C0001);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    const ULONGLONG deadline = GetTickCount64() + kLauncherExitMs;
    while (!IsIconic(window) && !launcher->WaitForExit(20) && GetTickCount64() < deadline) {
    }
    ASSERT_TRUE(IsIconic(window)) << "the keys ended the launcher\n" << launcher->Report();
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(window));
    CloseLauncher(window, *launcher);
}

TEST_F(Launcher, CloseEndsTheProcessAndLeavesTheBrowserSwitches) {
    DeleteFeatureValues(L"SkyreachLauncher.exe");
    EndWith(WM_CLOSE);
    ExpectFeatureValues(L"SkyreachLauncher.exe");
}

TEST_F(Launcher, RenamedExecutableWritesItsSwitchesUnderItsNewName) {
    const std::wstring directory = FreshScratchDirectory(L"skyreach-renamed");
    const std::wstring renamed = directory + L"\\SkyreachRenamed.exe";
    ASSERT_TRUE(CopyFileW(TestPaths().launcher.c_str(), renamed.c_str(), FALSE));
    DeleteFeatureValues(L"SkyreachRenamed.exe");

    LauncherProcess launcher(renamed, directory);
    const HWND window = launcher.WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher.Report();
    CloseLauncher(window, launcher);
    ExpectFeatureValues(L"SkyreachRenamed.exe");
    ExpectFeatureValues(L"SkyreachLauncher.exe");
    DeleteFeatureValues(L"SkyreachRenamed.exe");
}

class StartRequest : public Launcher, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(StartRequest, StartsThePatcherInTheCurrentDirectoryAndEnds) {
    const std::wstring directory = FreshScratchDirectory(GetParam());
    const std::wstring patcher = directory + L"\\patcher_qz.exe";
    const std::wstring record = directory + L"\\" + kPatcherRecordName;
    ASSERT_TRUE(CopyFileW(TestPaths().patcher.c_str(), patcher.c_str(), FALSE));
    EndWith(LM_START, directory);

    PatcherRecord started;
    ASSERT_TRUE(ReadPatcherRecord(record, 30000, &started)) << "the patcher did not start";
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(started.commandLine.c_str(), &argc);
    ASSERT_EQ(argc, 1) << "the patcher gets its path alone: "
                       << std::string(started.commandLine.begin(), started.commandLine.end());
    EXPECT_TRUE(SameText(argv[0], patcher));
    LocalFree(argv);
    EXPECT_TRUE(SameText(started.directory, directory));
}

INSTANTIATE_TEST_SUITE_P(Directories, StartRequest,
                         testing::Values(L"skyreach-game", L"skyreach game with spaces"));

// The processes running a program of that file name.
int ProcessesNamed(const wchar_t* image) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        count += _wcsicmp(entry.szExeFile, image) == 0;
    }
    CloseHandle(snapshot);
    return count;
}

// A second start request handled before the window ends, as when a double click posts two, or when the
// shell's start of the patcher shows a prompt whose modal loop dispatches the second: the launcher starts
// the patcher once. Both requests are sent at once and handled one after the other, as sent messages are
// before the window's posted ones.
TEST_F(Launcher, TwoStartRequestsStartThePatcherOnce) {
    const std::wstring directory = FreshScratchDirectory(L"skyreach-two-starts");
    const std::wstring starts = directory + L"\\patcher_starts.txt";
    ASSERT_TRUE(CopyFileW(TestPaths().patcher.c_str(), (directory + L"\\patcher_qz.exe").c_str(), FALSE));

    const LauncherProcess* launcher = Start(directory);
    const HWND window = launcher->WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher->Report();
    EXPECT_TRUE(SendNotifyMessageW(window, LM_START, 0, 0));
    EXPECT_TRUE(SendNotifyMessageW(window, LM_START, 0, 0));
    DWORD exitCode = 1;
    ASSERT_TRUE(launcher->WaitForExit(kLauncherExitMs, &exitCode)) << launcher->Report();
    EXPECT_EQ(exitCode, 0u);
    // Whatever the launcher started has started by the time it ended; wait for it to finish.
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (ProcessesNamed(L"patcher_qz.exe") > 0 && GetTickCount64() < deadline) {
        Sleep(20);
    }

    std::ifstream in(starts.c_str());
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        ++count;
    }
    EXPECT_EQ(count, 1) << "patcher starts";
}

TEST_F(Launcher, StartRequestWithoutAPatcherStillEnds) {
    EndWith(LM_START, FreshScratchDirectory(L"skyreach-no-patcher"));
}

} // namespace
