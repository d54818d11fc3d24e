// The builder: which controls the tables give, where, and what it leaves behind when the window goes.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ButtonWindow.h"
#include "LauncherDlg.h"
#include "LauncherTitle.h"
#include "ShellOpenRecorder.h"
#include "ShippedButtons.h"
#include "TestWindows.h"
#include "UIBuilder.h"

namespace {

using Posted = std::vector<std::pair<UINT, WPARAM>>;
const CRect kParentRect(50, 50, 880, 670);

// Children in their z-order, which is the order of their creation.
std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

bool IsButton(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return ::_wcsicmp(name, L"Button") == 0;
}

// A parent that answers its controls' colour requests through its builder, as the launcher window does.
class CBuilderParent : public CTestParent {
public:
    CUIBuilder m_ui;

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        HBRUSH brush = CTestParent::OnCtlColor(pDC, pWnd, nCtlColor);
        m_ui.OnCtlColorHook(pWnd, pDC, nCtlColor, brush);
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBuilderParent, CTestParent)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class UIBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Create(kParentRect)); }

    BOOL Build(const BUTTON_ITEM* buttons, const RADIO_ITEM* radios, const BROWSER_ITEM* panes,
               const EDIT_ITEM* edits) {
        m_parent.m_ui.SetTables(buttons, radios, panes, nullptr, edits);
        return m_parent.m_ui.Build(&m_parent);
    }

    // The click as the control reports it: BN_CLICKED to the parent, which reflects it to the button.
    Posted Click(int id) {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(::GetDlgItem(m_parent, id)));
        PumpMessages();
        return std::exchange(m_parent.m_posted, {});
    }

    CBuilderParent m_parent;
};

// The shipped button table, the launcher's contract with its publisher: a button added, moved or removed in
// the table data shows here, row for row.
struct ShippedButton {
    int id;
    int type;
    int normal, hover, pressed, disabled;
    CRect face;
    const wchar_t* url;
};

// clang-format off
const ShippedButton kShippedButtons[] = {
//   id   action          normal hover pressed disabled face (left, top, right, bottom)
//       address
    {102, MinimiseParent, 190,   191,  190,    0,       {751, 18, 767, 34},
         L""},
    {101, CloseParent,    184,   185,  185,    0,       {769, 18, 785, 34},
         L""},
    {103, OpenUrl,        188,   189,  189,    0,       {47, 18, 105, 37},
         L"http://www.skyreach-online.com/"},
    {104, OpenUrl,        192,   193,  193,    0,       {113, 18, 171, 37},
         L"http://www.skyreach-online.com/feeds.html"},
    {105, OpenUrl,        186,   187,  187,    0,       {179, 18, 237, 37},
         L"http://forum.skyreach-online.com/forumdisplay.php?6-Skyreach"},
    {106, OpenUrl,        196,   197,  197,    0,       {594, 18, 652, 37},
         L"http://www.skyreach-online.com/competitiveranking.html"},
    {107, OpenUrl,        182,   183,  183,    0,       {670, 18, 728, 37},
         L"http://support.skyreach-online.com"},
    {108, OpenUrl,        198,   199,  199,    0,       {329, 533, 505, 565},
         L"http://www.skyreach-online.com/signup/?from=351714&pc=1"},
    {109, RequestStart,   194,   195,  195,    194,     {266, 566, 560, 612},
         L""},
};
// clang-format on

// The shipped notice pane: its id, address and rectangle.
const struct {
    int id;
    const wchar_t* url;
    CRect rect;
} kShippedPane = {
    112, L"http://notice.skyreach-online.com/notice/Login_big/launcherPage.asp", {17, 57, 812, 521}};

TEST(ShippedTables, TheButtonTableIsTheShippedRowsAndItsTerminator) {
    ASSERT_EQ(std::size(g_ButtonItems), std::size(kShippedButtons) + 1);
    for (size_t i = 0; i < std::size(kShippedButtons); ++i) {
        const ShippedButton& expected = kShippedButtons[i];
        const BUTTON_ITEM& row = g_ButtonItems[i];
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(row.id, expected.id);
        EXPECT_EQ(row.type, expected.type);
        EXPECT_EQ(row.caption, L"");
        EXPECT_EQ(row.normalImage, expected.normal);
        EXPECT_EQ(row.hoverImage, expected.hover);
        EXPECT_EQ(row.pressedImage, expected.pressed);
        EXPECT_EQ(row.disabledImage, expected.disabled);
        const CRect face(row.left, row.top, row.right, row.bottom);
        EXPECT_TRUE(::EqualRect(&face, &expected.face));
        EXPECT_STREQ(row.url, expected.url);
    }
    EXPECT_EQ(g_ButtonItems[std::size(kShippedButtons)].type, 0) << "the terminator";

    ASSERT_EQ(std::size(g_BrowserItems), 2u);
    EXPECT_EQ(g_BrowserItems[0].id, kShippedPane.id);
    EXPECT_STREQ(g_BrowserItems[0].url, kShippedPane.url);
    const CRect pane(g_BrowserItems[0].left, g_BrowserItems[0].top, g_BrowserItems[0].right,
                     g_BrowserItems[0].bottom);
    EXPECT_TRUE(::EqualRect(&pane, kShippedPane.rect));
    EXPECT_TRUE(g_BrowserItems[1].url.IsEmpty()) << "the terminator";
}

TEST_F(UIBuilderTest, ShippedTablesGiveTheirButtonsAndPaneAtTheirPlacesAndNothingElse) {
    m_parent.m_ui.SetTables(g_ButtonItems, g_RadioItems, g_BrowserItems, g_ProgressItems, g_EditItems);
    EXPECT_TRUE(m_parent.m_ui.Build(&m_parent));

    std::vector<HWND> buttons;
    for (const HWND child : ChildrenOf(m_parent)) {
        if (IsButton(child)) {
            buttons.push_back(child);
        }
    }
    ASSERT_EQ(buttons.size(), std::size(kShippedButtons));
    for (size_t i = 0; i < std::size(kShippedButtons); ++i) {
        const ShippedButton& expected = kShippedButtons[i];
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(::GetDlgCtrlID(buttons[i]), expected.id) << "in table order";
        const PixelRect window = ButtonWindowRect(
            PixelRect{expected.face.left, expected.face.top, expected.face.right, expected.face.bottom});
        EXPECT_TRUE(::EqualRect(RectInParent(buttons[i]),
                                CRect(window.left, window.top, window.right, window.bottom)));
    }
    const HWND pane = ::GetDlgItem(m_parent, kShippedPane.id);
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(::EqualRect(RectInParent(pane), kShippedPane.rect));
    EXPECT_EQ(ChildrenOf(m_parent).size(), std::size(kShippedButtons) + 1)
        << "no radio button, progress bar, edit box or other child";

    // What each button does is its row's; a web button opens its whole address through the shell.
    const CShellOpenRecorder shell;
    ASSERT_TRUE(shell.Installed());
    for (const ShippedButton& button : kShippedButtons) {
        SCOPED_TRACE(button.id);
        const Posted posted = Click(button.id);
        using Opened = std::vector<CShellOpenRecorder::Request>;
        const Opened expectedOpened = button.type == OpenUrl ? Opened{{L"open", button.url}} : Opened{};
        EXPECT_EQ(CShellOpenRecorder::Take(), expectedOpened);
        switch (button.type) {
        case MinimiseParent:
            EXPECT_TRUE(posted.empty());
            EXPECT_TRUE(m_parent.IsIconic());
            m_parent.ShowWindow(SW_SHOWNOACTIVATE);
            break;
        case CloseParent:
            EXPECT_EQ(posted, (Posted{{WM_CLOSE, 0}}));
            break;
        case RequestStart:
            EXPECT_EQ(posted, (Posted{{LM_START, 0}}));
            break;
        default:
            EXPECT_EQ(button.type, OpenUrl);
            EXPECT_TRUE(posted.empty());
        }
    }
}

// Whether the window shows the bitmap resource `id`, every pixel of it, with its top-left corner at (left,
// top).
bool Shows(const Capture& shown, int id, int left, int top) {
    CBitmap image;
    BITMAP size = {};
    if (!image.LoadBitmap(static_cast<UINT>(id)) || image.GetBitmap(&size) == 0) {
        return false;
    }
    BITMAPINFO info = Dib32Info(size.bmWidth, -size.bmHeight);
    std::vector<uint32_t> pixels(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    const CMemoryDC dc(nullptr);
    ::GetDIBits(dc, image, 0, static_cast<UINT>(size.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
    for (int y = 0; y < size.bmHeight; ++y) {
        for (int x = 0; x < size.bmWidth; ++x) {
            if (((pixels[static_cast<size_t>(y) * size.bmWidth + x] ^ shown.At(left + x, top + y)) &
                 0xFFFFFF) != 0) {
                return false;
            }
        }
    }
    return true;
}

// Each image of a row shows in its own state. A button without a pressed image shows its hover image while
// pressed, which is how the hover image is seen here without a pointer.
TEST_F(UIBuilderTest, EachImageOfAButtonRowShowsInItsState) {
    const BUTTON_DATA& minimise = ButtonRowFor(MinimiseParent);
    const BUTTON_DATA& close = ButtonRowFor(CloseParent);
    // Four different images of one size, on faces 16 x 16: the windows are 19 x 18, the faces at (1, 1).
    const int normal = minimise.normalImage, hover = close.hoverImage, pressed = minimise.hoverImage,
              disabled = close.normalImage;
    const BUTTON_ITEM rows[] = {
        {L"", 501, NotifySelected, normal, hover, pressed, disabled, 13, 12, 29, 28, L""},
        {L"", 502, NotifySelected, normal, hover, 0, 0, 43, 12, 59, 28, L""},
        {L"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L""},
    };
    Build(rows, nullptr, nullptr, nullptr);
    const HWND all = ::GetDlgItem(m_parent, 501), fallbacks = ::GetDlgItem(m_parent, 502);
    EXPECT_TRUE(Shows(CaptureWindow(all), normal, 1, 1)) << "at rest";
    EXPECT_TRUE(Shows(CaptureWindow(fallbacks), normal, 1, 1)) << "at rest";
    for (const HWND button : {all, fallbacks}) {
        ::SendMessageW(button, BM_SETSTATE, TRUE, 0);
    }
    EXPECT_TRUE(Shows(CaptureWindow(all), pressed, 2, 2)) << "pressed, one pixel further right and down";
    EXPECT_TRUE(Shows(CaptureWindow(fallbacks), hover, 2, 2)) << "pressed, without a pressed image";
    for (const HWND button : {all, fallbacks}) {
        ::SendMessageW(button, BM_SETSTATE, FALSE, 0);
        ::EnableWindow(button, FALSE);
    }
    EXPECT_TRUE(Shows(CaptureWindow(all), disabled, 1, 1)) << "disabled";
    EXPECT_TRUE(Shows(CaptureWindow(fallbacks), normal, 1, 1)) << "disabled, without a disabled image";
    EXPECT_EQ(Click(501), (Posted{{LM_SELECTED, 501}})) << "the row's action";
}

TEST_F(UIBuilderTest, NullTablesAndTablesStartingWithTheirTerminatorBuildNothing) {
    EXPECT_TRUE(m_parent.m_ui.Build(&m_parent));
    const BUTTON_ITEM buttons[] = {g_ButtonItems[std::size(g_ButtonItems) - 1], g_ButtonItems[0]};
    const int normal = ButtonRowFor(MinimiseParent).normalImage,
              hover = ButtonRowFor(MinimiseParent).hoverImage;
    const RADIO_ITEM radios[] = {{L"", 1, 0, normal, hover, 0, 0, 20, 20},
                                 {L"", 1, 601, normal, hover, 0, 0, 20, 20}};
    const EDIT_ITEM edits[] = {{0, 0, 0, 50, 20, 0, 0, 0, 0}, {602, 0, 0, 50, 20, 0, 0, 0, 0}};
    EXPECT_TRUE(Build(buttons, radios, nullptr, edits));
    EXPECT_TRUE(ChildrenOf(m_parent).empty());
}

// A radio button posts its selection only when it becomes checked, and checking one clears the others of
// its group: which clicks post shows which buttons share a group.
TEST_F(UIBuilderTest, RadioRowsWithTheSameKeyFormOneGroupInTableOrder) {
    const int checked = ButtonRowFor(MinimiseParent).hoverImage,
              normal = ButtonRowFor(MinimiseParent).normalImage;
    const RADIO_ITEM radios[] = {
        {L"", 7, 601, checked, normal, 0, 0, 20, 20},
        {L"", 3, 602, checked, normal, 30, 0, 50, 20},
        {L"", 7, 603, checked, normal, 60, 0, 80, 20},
        {L"", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    Build(nullptr, radios, nullptr, nullptr);
    ASSERT_EQ(ChildrenOf(m_parent).size(), 3u);
    EXPECT_TRUE(::EqualRect(RectInParent(::GetDlgItem(m_parent, 603)), CRect(60, 0, 80, 20)))
        << "radio rectangles are used unchanged";
    struct Step {
        int click;
        bool posts;
    } const steps[] = {
        {601, true},  {602, true}, {603, true}, {601, true}, // c cleared a, its group's other member
        {602, false},                                        // but not b, which is in a group of its own
        {603, true},
    };
    for (const Step& step : steps) {
        const Posted expected =
            step.posts ? Posted{{LM_SELECTED, static_cast<WPARAM>(step.click)}} : Posted{};
        EXPECT_EQ(Click(step.click), expected) << step.click;
    }
    EXPECT_TRUE(Shows(CaptureWindow(::GetDlgItem(m_parent, 601)), normal, 2, 2)) << "unchecked";
    EXPECT_TRUE(Shows(CaptureWindow(::GetDlgItem(m_parent, 603)), checked, 2, 2)) << "checked";
}

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH logBrush = {};
    return ::GetObjectW(brush, sizeof logBrush, &logBrush) != 0 ? logBrush.lbColor : CLR_INVALID;
}

TEST_F(UIBuilderTest, EditBoxesGetTheirStylesAndOnlyTheyGetTheirColours) {
    const COLORREF blue = RGB(10, 20, 200);
    const EDIT_ITEM edits[] = {
        {701, 0, 0, 80, 20, blue, 0, 1, 0},
        {702, 0, 30, 80, 50, RGB(1, 1, 1), 0, 0, 0},
        {703, 0, 60, 80, 80, RGB(2, 2, 2), 1, 0, 1},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    Build(g_ButtonItems, nullptr, nullptr, edits);
    constexpr DWORD styles[] = {0x10001004, 0x10000080, 0x10000080 | ES_NUMBER | ES_PASSWORD};
    for (size_t i = 0; i < std::size(styles); ++i) {
        const HWND edit = ::GetDlgItem(m_parent, edits[i].id);
        ASSERT_NE(edit, nullptr) << edits[i].id;
        const DWORD style = static_cast<DWORD>(::GetWindowLongW(edit, GWL_STYLE));
        EXPECT_EQ(style & ~WS_CHILD, styles[i]) << edits[i].id;
        EXPECT_NE(style & WS_CHILD, 0u);
    }

    CEdit stranger;
    stranger.Create(WS_VISIBLE, CRect(100, 0, 180, 20), &m_parent, 799);
    struct Case {
        HWND control;
        UINT message;
        bool coloured;
    } const cases[] = {
        {::GetDlgItem(m_parent, 701), WM_CTLCOLOREDIT, true},
        {::GetDlgItem(m_parent, 701), WM_CTLCOLORSTATIC, false}, // as a read-only or disabled edit box asks
        {stranger, WM_CTLCOLOREDIT, false},
        {::GetDlgItem(m_parent, g_ButtonItems[0].id), WM_CTLCOLORBTN, false},
    };
    const CMemoryDC dc(nullptr);
    for (const Case& c : cases) {
        ::SetBkColor(dc, RGB(255, 255, 255));
        const auto brush = reinterpret_cast<HBRUSH>(m_parent.SendMessage(
            c.message, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(c.control)));
        EXPECT_EQ(BrushColour(brush) == blue, c.coloured) << c.message;
        EXPECT_EQ(::GetBkColor(dc) == blue, c.coloured) << c.message;
    }
}

// The real launcher window, run modally: a thread timer looks at it once it is up, lights a button,
// then closes it.
struct LiveCounts {
    int bitmaps, brushes, regions, memoryDCs, paintDCs, clientDCs;
    static LiveCounts Now() {
        return {CBitmap::LiveHandleCount(),   CBrush::LiveHandleCount(),   CRgn::LiveHandleCount(),
                CMemoryDC::LiveHandleCount(), CPaintDC::LiveHandleCount(), CClientDC::LiveHandleCount()};
    }
};

LiveCounts g_whileRunning;
int g_childrenSeen;

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = ::FindWindowW(nullptr, kLauncherTitle);
    if (window == nullptr || !::IsWindowVisible(window)) {
        return;
    }
    ::KillTimer(nullptr, timer);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const HWND close = ::GetDlgItem(window, 101);
    ::SendMessageW(close, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::UpdateWindow(close);
    g_childrenSeen = static_cast<int>(ChildrenOf(window).size());
    g_whileRunning = LiveCounts::Now();
    ::PostMessageW(window, WM_CLOSE, 0, 0);
}

TEST(LauncherWindowLifetime, EveryHandleTheControlsHeldIsReleasedWithTheWindowObject) {
    const LiveCounts before = LiveCounts::Now();
    {
        CLauncherDlg dlg;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &LookAndClose);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        ::KillTimer(nullptr, timer);
    }
    const LiveCounts after = LiveCounts::Now();
    const int buttons = static_cast<int>(std::size(kButtonData));
    EXPECT_EQ(g_childrenSeen, buttons + static_cast<int>(std::size(kBrowserData)))
        << "the buttons and the panes";
    // Every button with two or three faces and their masks, plus its background snapshot.
    EXPECT_GE(g_whileRunning.bitmaps - before.bitmaps, buttons * 4 + buttons);
    EXPECT_GE(g_whileRunning.memoryDCs - before.memoryDCs, buttons);
    EXPECT_EQ(after.bitmaps, before.bitmaps);
    EXPECT_EQ(after.brushes, before.brushes);
    EXPECT_EQ(after.regions, before.regions);
    EXPECT_EQ(after.memoryDCs, before.memoryDCs);
    EXPECT_EQ(after.paintDCs, before.paintDCs);
    EXPECT_EQ(after.clientDCs, before.clientDCs);
}

} // namespace
