// The launcher's buttons under a real pointer: faces on screen, pages opened, minimise, close, start, drag.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ActionType.h"
#include "ButtonWindow.h"
#include "E2EEnvironment.h"
#include "KeyColours.h"
#include "LauncherProcess.h"
#include "Pictures.h"
#include "ScratchDirectory.h"
#include "UiTables.h"
#include "XPointer.h"

namespace {

constexpr COLORREF kKey = kFaceKeyColorref;
constexpr DWORD kScreenTimeoutMs = 10000;
// A point of the screen well away from the launcher, which is centred on a 1280 x 1024 display.
constexpr POINT kAway = {40, 40};

enum class Face { Normal, Hover, Pressed };

const std::vector<const BUTTON_ITEM*>& Rows() {
    static const std::vector<const BUTTON_ITEM*> rows = [] {
        std::vector<const BUTTON_ITEM*> all;
        for (const BUTTON_ITEM* row = g_ButtonItems; row->type != 0; ++row) {
            all.push_back(row);
        }
        return all;
    }();
    return rows;
}

// The first button whose click does `action`.
const BUTTON_ITEM& RowFor(int action) {
    for (const BUTTON_ITEM* row : Rows()) {
        if (row->type == action) {
            return *row;
        }
    }
    return *Rows().front();
}

PixelRect FaceOf(const BUTTON_ITEM& row) {
    return PixelRect{row.left, row.top, row.right, row.bottom};
}

// The button's window in the launcher's client area.
RECT ButtonWindow(const BUTTON_ITEM& row) {
    const PixelRect window = ButtonWindowRect(FaceOf(row));
    return {window.left, window.top, window.right, window.bottom};
}

// Whether a point of the client area is bare skin, clear of every button's window and of the panes.
bool OnBareSkin(POINT p) {
    for (const BUTTON_ITEM* row : Rows()) {
        const RECT window = ButtonWindow(*row);
        if (PtInRect(&window, p)) {
            return false;
        }
    }
    for (const BROWSER_ITEM* pane = g_BrowserItems; !pane->url.IsEmpty(); ++pane) {
        const RECT rect = {pane->left, pane->top, pane->right, pane->bottom};
        if (PtInRect(&rect, p)) {
            return false;
        }
    }
    return true;
}

Picture FaceBitmap(int id) {
    static std::map<int, Picture> cache;
    Picture& picture = cache[id];
    if (picture.Empty()) {
        picture = LoadPicture(TestPaths().resources + L"\\btn_" + std::to_wstring(id) + L".bmp");
    }
    return picture;
}

// The face composited on the skin as the button must show it: where the button draws its face in its
// window, one pixel further right and down while pressed.
Picture Expected(const Picture& skin, const BUTTON_ITEM& row, Face face) {
    const RECT window = ButtonWindow(row);
    const PixelRect drawn = DrawnFaceRect(FaceOf(row));
    Picture expected = skin.Crop(window);
    const int id = face == Face::Normal  ? row.normalImage
                   : face == Face::Hover ? row.hoverImage
                                         : (row.pressedImage ? row.pressedImage : row.hoverImage);
    const int shift = face == Face::Pressed ? 1 : 0;
    expected.Draw(FaceBitmap(id), drawn.left - window.left + shift, drawn.top - window.top + shift, kKey);
    return expected;
}

class LauncherButtons : public testing::Test {
protected:
    void SetUp() override { StartLauncher(L""); }

    void StartLauncher(const std::wstring& directory) {
        ASSERT_TRUE(XPointer::MoveTo(kAway.x, kAway.y));
        m_launcher = std::make_unique<LauncherProcess>(TestPaths().launcher, directory);
        m_window = m_launcher->WaitForWindow();
        ASSERT_NE(m_window, nullptr) << m_launcher->Report();
        GetWindowRect(m_window, &m_rect);
        ASSERT_FALSE(m_skin.Empty());
        for (const BUTTON_ITEM* row : Rows()) {
            ASSERT_EQ(DifferencesAfterWaiting(*row, Face::Normal), 0) << "button " << row->id << " at start";
        }
    }

    void TearDown() override {
        if (m_launcher && !m_launcher->WaitForExit(0)) {
            PostMessageW(m_window, WM_CLOSE, 0, 0);
            EXPECT_TRUE(m_launcher->WaitForExit(kLauncherExitMs)) << m_launcher->Report();
        }
    }

    POINT Centre(const BUTTON_ITEM& row) const {
        return {m_rect.left + (row.left + row.right) / 2, m_rect.top + (row.top + row.bottom) / 2};
    }

    bool MoveOnto(const BUTTON_ITEM& row) {
        const POINT centre = Centre(row);
        return XPointer::MoveTo(centre.x, centre.y);
    }

    // Waits for the button to show the face; the pixels still differing when time runs out.
    int DifferencesAfterWaiting(const BUTTON_ITEM& row, Face face, DWORD timeoutMs = kScreenTimeoutMs) {
        const Picture expected = Expected(m_skin, row, face);
        const RECT window = ButtonWindow(row);
        const RECT onScreen = {m_rect.left + window.left, m_rect.top + window.top, m_rect.left + window.right,
                               m_rect.top + window.bottom};
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        int differences = 0;
        do {
            differences = CountDifferences(CaptureScreen(onScreen), expected);
            if (differences == 0) {
                break;
            }
            Sleep(20);
        } while (GetTickCount64() < deadline);
        return differences;
    }

    const Picture m_skin = LoadPicture(TestPaths().skin);
    std::unique_ptr<LauncherProcess> m_launcher;
    HWND m_window = nullptr;
    RECT m_rect = {};
};

TEST_F(LauncherButtons, FacesFollowThePointerAndTheMouseButton) {
    for (const BUTTON_ITEM* row : Rows()) {
        SCOPED_TRACE("button " + std::to_string(row->id));
        ASSERT_TRUE(MoveOnto(*row));
        EXPECT_EQ(DifferencesAfterWaiting(*row, Face::Hover), 0) << "hover";
        ASSERT_TRUE(XPointer::MoveTo(kAway.x, kAway.y));
        EXPECT_EQ(DifferencesAfterWaiting(*row, Face::Normal), 0) << "left";

        ASSERT_TRUE(MoveOnto(*row));
        ASSERT_TRUE(XPointer::Press());
        EXPECT_EQ(DifferencesAfterWaiting(*row, Face::Pressed), 0) << "pressed";
        // Sliding off with the button held cancels the click.
        ASSERT_TRUE(XPointer::MoveTo(kAway.x, kAway.y));
        EXPECT_EQ(DifferencesAfterWaiting(*row, Face::Normal), 0) << "slid off";
        ASSERT_TRUE(XPointer::Release());
    }
    EXPECT_FALSE(m_launcher->WaitForExit(0)) << "no click happened";
    EXPECT_FALSE(IsIconic(m_window));
}

TEST_F(LauncherButtons, WhileAnotherProgramIsActiveNoButtonLights) {
    const BUTTON_ITEM& web = RowFor(OpenUrl);
    ASSERT_TRUE(MoveOnto(web));
    ASSERT_EQ(DifferencesAfterWaiting(web, Face::Hover), 0);

    const HWND other = CreateWindowExW(0, L"STATIC", L"Another program", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    EXPECT_EQ(DifferencesAfterWaiting(web, Face::Normal), 0) << "the lit button goes dark";
    ASSERT_TRUE(XPointer::MoveTo(kAway.x, kAway.y));
    ASSERT_TRUE(MoveOnto(web));
    EXPECT_NE(DifferencesAfterWaiting(web, Face::Hover, 1000), 0) << "and does not light again";
    DestroyWindow(other);
}

// An address as a browser takes it: an empty path is "/", so "http://host" and "http://host/" are one
// address. Wine's browser hook passes on the canonical form, with the "/".
std::wstring Canonical(std::wstring url) {
    const size_t authority = url.find(L"://");
    if (authority != std::wstring::npos && url.find_first_of(L"/?#", authority + 3) == std::wstring::npos) {
        url += L'/';
    }
    return url;
}

std::wstring LastOpenedUrl(const std::wstring& record, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        std::ifstream in(record.c_str());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const size_t end = text.find('\n');
        if (end != std::string::npos) {
            return std::wstring(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end));
        }
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return L"";
}

TEST_F(LauncherButtons, WebButtonsOpenTheirOwnAddressesInTheBrowser) {
    int webButtons = 0;
    for (const BUTTON_ITEM* row : Rows()) {
        if (row->type != OpenUrl) {
            continue;
        }
        ++webButtons;
        DeleteFileW(TestPaths().openedUrls.c_str());
        ASSERT_TRUE(MoveOnto(*row));
        ASSERT_TRUE(XPointer::Click());
        EXPECT_EQ(Canonical(LastOpenedUrl(TestPaths().openedUrls, 30000)),
                  Canonical(static_cast<const wchar_t*>(row->url)))
            << "button " << row->id;
    }
    EXPECT_GT(webButtons, 0);
    EXPECT_FALSE(m_launcher->WaitForExit(0));
}

TEST_F(LauncherButtons, MinimiseHidesTheLauncherAndARestoreBringsItBackWhole) {
    ASSERT_TRUE(MoveOnto(RowFor(MinimiseParent)));
    ASSERT_TRUE(XPointer::Click());
    const ULONGLONG deadline = GetTickCount64() + kScreenTimeoutMs;
    while (!IsIconic(m_window) && GetTickCount64() < deadline) {
        Sleep(20);
    }
    ASSERT_TRUE(IsIconic(m_window));

    ASSERT_TRUE(XPointer::MoveTo(kAway.x, kAway.y));
    ShowWindow(m_window, SW_RESTORE); // what the taskbar button does
    for (const BUTTON_ITEM* row : Rows()) {
        EXPECT_EQ(DifferencesAfterWaiting(*row, Face::Normal), 0) << "button " << row->id;
    }
    const Picture screen = CaptureScreen(m_rect);
    for (const POINT p : {POINT{415, 25}, POINT{10, 300}, POINT{120, 540}, POINT{600, 590}}) {
        ASSERT_TRUE(OnBareSkin(p)) << p.x << "," << p.y << " is taken: pick another point of bare skin";
        EXPECT_EQ(screen.At(p.x, p.y), m_skin.At(p.x, p.y)) << p.x << "," << p.y;
    }
    EXPECT_FALSE(m_launcher->WaitForExit(0));
}

TEST_F(LauncherButtons, CloseEndsTheLauncher) {
    ASSERT_TRUE(MoveOnto(RowFor(CloseParent)));
    ASSERT_TRUE(XPointer::Click());
    DWORD exitCode = 1;
    ASSERT_TRUE(m_launcher->WaitForExit(kLauncherExitMs, &exitCode)) << m_launcher->Report();
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(LauncherButtons, DraggingTheSkinMovesTheWindow) {
    const POINT inWindow = {300, 28}; // the top bar, between the forum and the logo
    ASSERT_TRUE(OnBareSkin(inWindow)) << "the grip is taken: pick another point of bare skin";
    const POINT grip = {m_rect.left + inWindow.x, m_rect.top + inWindow.y};
    ASSERT_TRUE(XPointer::MoveTo(grip.x, grip.y));
    ASSERT_TRUE(XPointer::Press());
    for (int step = 1; step <= 4; ++step) {
        ASSERT_TRUE(XPointer::MoveTo(grip.x + 15 * step, grip.y + 10 * step));
    }
    ASSERT_TRUE(XPointer::Release());
    RECT moved = {};
    const ULONGLONG deadline = GetTickCount64() + kScreenTimeoutMs;
    do {
        GetWindowRect(m_window, &moved);
    } while (moved.left == m_rect.left && GetTickCount64() < deadline && (Sleep(20), true));
    EXPECT_EQ(moved.left - m_rect.left, 60);
    EXPECT_EQ(moved.top - m_rect.top, 40);
    EXPECT_EQ(moved.right - moved.left, 830);
}

class LauncherStartButton : public LauncherButtons {
protected:
    void SetUp() override {
        m_directory = FreshScratchDirectory(L"skyreach-start-button");
        ASSERT_TRUE(
            CopyFileW(TestPaths().patcher.c_str(), (m_directory + L"\\patcher_qz.exe").c_str(), FALSE));
        StartLauncher(m_directory);
    }

    std::wstring m_directory;
};

TEST_F(LauncherStartButton, StartsThePatcherAndEnds) {
    ASSERT_TRUE(MoveOnto(RowFor(RequestStart)));
    ASSERT_TRUE(XPointer::Click());
    DWORD exitCode = 1;
    ASSERT_TRUE(m_launcher->WaitForExit(kLauncherExitMs, &exitCode)) << m_launcher->Report();
    EXPECT_EQ(exitCode, 0u);
    const std::wstring record = m_directory + L"\\patcher_record.txt";
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (GetFileAttributesW(record.c_str()) == INVALID_FILE_ATTRIBUTES && GetTickCount64() < deadline) {
        Sleep(50);
    }
    EXPECT_NE(GetFileAttributesW(record.c_str()), INVALID_FILE_ATTRIBUTES) << "the patcher did not start";
}

} // namespace
