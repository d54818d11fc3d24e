// The builder: which controls the tables give, where, and what it leaves behind when the window goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "ControlTestWindows.h"
#include "LauncherDlg.h"
#include "ShellOpenRecorder.h"
#include "ShippedButtons.h"
#include "UIBuilder.h"
#include "WindowCapture.h"

namespace {

const CRect kParentRect(50, 50, 880, 670);

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

// Whether a button on a plain parent shows a face: a button draws nothing over its parent's background
// unless its first face slot holds an image, and then the image of the state it is in.
bool ShowsAFace(HWND button) {
    const std::vector<uint32_t> pixels = CaptureWindow(button).pixels;
    return std::adjacent_find(pixels.begin(), pixels.end(), std::not_equal_to<>()) != pixels.end();
}

class UIBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Create(kParentRect)); }

    CTestParent m_parent;
    CUIBuilder m_ui;
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
    EXPECT_EQ(g_BrowserItems[0].id, 112);
    EXPECT_STREQ(g_BrowserItems[0].url,
                 L"http://notice.skyreach-online.com/notice/Login_big/launcherPage.asp");
    const CRect pane(g_BrowserItems[0].left, g_BrowserItems[0].top, g_BrowserItems[0].right,
                     g_BrowserItems[0].bottom);
    EXPECT_TRUE(::EqualRect(&pane, CRect(17, 57, 812, 521)));
    EXPECT_TRUE(g_BrowserItems[1].url.IsEmpty()) << "the terminator";
}

TEST_F(UIBuilderTest, ShippedTablesGiveTheirButtonsAndPaneAtTheirPlacesAndNothingElse) {
    m_ui.SetTables(g_ButtonItems, g_RadioItems, g_BrowserItems, g_ProgressItems, g_EditItems);
    EXPECT_TRUE(m_ui.Build(&m_parent));

    ASSERT_EQ(m_ui.Buttons().size(), std::size(kShippedButtons));
    for (size_t i = 0; i < std::size(kShippedButtons); ++i) {
        const ShippedButton& expected = kShippedButtons[i];
        const CButtonST& button = *m_ui.Buttons()[i];
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(button.GetDlgCtrlID(), expected.id);
        // The button's window reaches 3 pixels left of and 2 above its face.
        const CRect rect = RectInParent(button);
        const CRect window(expected.face.left - 3, expected.face.top - 2, expected.face.right,
                           expected.face.bottom);
        EXPECT_TRUE(::EqualRect(&rect, &window));
    }
    ASSERT_EQ(m_ui.Browsers().size(), 1u);
    const SimpleBrowser& pane = *m_ui.Browsers()[0];
    EXPECT_EQ(pane.GetDlgCtrlID(), 112);
    const CRect paneRect = RectInParent(pane), expectedPane(17, 57, 812, 521);
    EXPECT_TRUE(::EqualRect(&paneRect, &expectedPane));
    EXPECT_EQ(ChildrenOf(m_parent).size(), std::size(kShippedButtons) + 1)
        << "no radio button, progress bar, edit box or other child";
}

// Each shipped button shows its face at rest and, clicked, does what its row says. (Which face shows in
// each state is the end-to-end tests' business; the start button's disabled image, the only one shipped,
// is its normal image, so it cannot be told on screen from the normal face a disabled button falls back
// to.)
TEST_F(UIBuilderTest, ShippedButtonsShowTheirFacesAndDoWhatTheirRowsSay) {
    using Posted = std::vector<std::pair<UINT, WPARAM>>;
    using Opened = std::vector<CShellOpenRecorder::Request>;
    const CShellOpenRecorder shell;
    ASSERT_TRUE(shell.Installed());
    m_ui.SetTables(g_ButtonItems, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(m_ui.Build(&m_parent));
    for (const ShippedButton& expected : kShippedButtons) {
        SCOPED_TRACE(expected.id);
        const HWND button = ::GetDlgItem(m_parent, expected.id);
        EXPECT_TRUE(ShowsAFace(button));
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(expected.id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(button));
        PumpMessages();
        const Posted posted = expected.type == CloseParent    ? Posted{{WM_CLOSE, 0}}
                              : expected.type == RequestStart ? Posted{{LM_START, 0}}
                                                              : Posted{};
        const Opened opened = expected.type == OpenUrl ? Opened{{L"open", expected.url}} : Opened{};
        EXPECT_EQ(std::exchange(m_parent.m_posted, {}), posted);
        EXPECT_EQ(m_parent.IsIconic() != FALSE, expected.type == MinimiseParent);
        EXPECT_EQ(CShellOpenRecorder::Take(), opened) << "every shipped address fits";
        m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    }
}

TEST_F(UIBuilderTest, NullTablesAndTablesStartingWithTheirTerminatorBuildNothing) {
    EXPECT_TRUE(m_ui.Build(&m_parent));
    const BUTTON_ITEM buttons[] = {g_ButtonItems[std::size(g_ButtonItems) - 1], g_ButtonItems[0]};
    const int normal = ButtonRowFor(MinimiseParent).normalImage,
              hover = ButtonRowFor(MinimiseParent).hoverImage;
    const RADIO_ITEM radios[] = {{L"", 1, 0, normal, hover, 0, 0, 20, 20},
                                 {L"", 1, 601, normal, hover, 0, 0, 20, 20}};
    const EDIT_ITEM edits[] = {{0, 0, 0, 50, 20, 0, 0, 0, 0}, {602, 0, 0, 50, 20, 0, 0, 0, 0}};
    m_ui.SetTables(buttons, radios, nullptr, nullptr, edits);
    EXPECT_TRUE(m_ui.Build(&m_parent));
    EXPECT_TRUE(ChildrenOf(m_parent).empty());
}

TEST_F(UIBuilderTest, RadioRowsWithTheSameKeyFormOneGroupInTableOrder) {
    const int checked = ButtonRowFor(MinimiseParent).hoverImage,
              normal = ButtonRowFor(MinimiseParent).normalImage;
    const RADIO_ITEM radios[] = {
        {L"a", 7, 601, checked, normal, 0, 0, 20, 20},
        {L"b", 3, 602, checked, normal, 30, 0, 50, 20},
        {L"c", 7, 603, checked, normal, 60, 0, 80, 20},
        {L"", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    m_ui.SetTables(nullptr, radios, nullptr, nullptr, nullptr);
    m_ui.Build(&m_parent);
    ASSERT_EQ(m_ui.Buttons().size(), 3u);
    CButtonST* const a = m_ui.Buttons()[0].get();
    CButtonST* const b = m_ui.Buttons()[1].get();
    CButtonST* const c = m_ui.Buttons()[2].get();
    EXPECT_EQ(a->m_pPrev, nullptr);
    EXPECT_EQ(a->m_pNext, c);
    EXPECT_EQ(c->m_pPrev, a);
    EXPECT_EQ(c->m_pNext, nullptr);
    EXPECT_EQ(b->m_pPrev, nullptr);
    EXPECT_EQ(b->m_pNext, nullptr);
    EXPECT_EQ(RectInParent(*c).left, 60) << "radio rectangles are used unchanged";
    EXPECT_TRUE(ShowsAFace(*c)) << "the checked image fills slot 0, without which nothing shows";
}

TEST_F(UIBuilderTest, EditBoxesGetTheirStylesAndOnlyTheyGetTheirColours) {
    const COLORREF blue = RGB(10, 20, 200);
    const EDIT_ITEM edits[] = {
        {701, 0, 0, 80, 20, blue, 0, 1, 0},
        {702, 0, 30, 80, 50, RGB(1, 1, 1), 0, 0, 0},
        {703, 0, 60, 80, 80, RGB(2, 2, 2), 1, 0, 1},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    m_ui.SetTables(g_ButtonItems, nullptr, nullptr, nullptr, edits);
    m_ui.Build(&m_parent);
    constexpr DWORD styles[] = {0x10001004, 0x10000080, 0x10000080 | ES_NUMBER | ES_PASSWORD};
    ASSERT_EQ(m_ui.Edits().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_ui.Edits()[i]->GetStyle() & ~WS_CHILD, styles[i]) << i;
        EXPECT_NE(m_ui.Edits()[i]->GetStyle() & WS_CHILD, 0u);
    }

    CEdit stranger;
    stranger.Create(WS_VISIBLE, CRect(100, 0, 180, 20), &m_parent, 799);
    CMemoryDC dc(nullptr);
    const HBRUSH defaultBrush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    struct Case {
        CWnd* control;
        UINT kind;
        bool coloured;
    };
    const Case cases[] = {
        {m_ui.Edits()[0].get(), CTLCOLOR_EDIT, true},
        {m_ui.Edits()[0].get(), CTLCOLOR_STATIC, false}, // read-only or disabled
        {&stranger, CTLCOLOR_EDIT, false},
        {m_ui.Buttons()[0].get(), CTLCOLOR_BTN, false},
    };
    for (const Case& c : cases) {
        dc.SetBkColor(RGB(255, 255, 255));
        HBRUSH brush = defaultBrush;
        m_ui.OnCtlColorHook(c.control, &dc, c.kind, brush);
        EXPECT_EQ(brush, c.coloured ? m_ui.FindEditBrush(701)->GetSafeHandle() : defaultBrush) << c.kind;
        EXPECT_EQ(::GetBkColor(dc), c.coloured ? blue : RGB(255, 255, 255)) << c.kind;
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
    const HWND window = ::FindWindowW(nullptr, L"Skyreach Launcher");
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
