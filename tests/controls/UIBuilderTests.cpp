// The builder: which controls the tables give, where, and what it leaves behind when the window goes.
#include <gtest/gtest.h>

#include <vector>

#include "ControlTestWindows.h"
#include "LauncherDlg.h"
#include "UIBuilder.h"

namespace {

const CRect kParentRect(50, 50, 880, 670);

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

class UIBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Create(kParentRect)); }

    CTestParent m_parent;
    CUIBuilder m_ui;
};

TEST_F(UIBuilderTest, ShippedTablesGiveTheNineButtonsAtTheirPlacesAndNothingElse) {
    m_ui.SetTables(g_ButtonItems, g_RadioItems, g_BrowserItems, g_ProgressItems, g_EditItems);
    EXPECT_TRUE(m_ui.Build(&m_parent));

    struct Expected {
        int id;
        CRect window;
    };
    const Expected expected[] = {
        {102, {748, 16, 767, 34}}, {101, {766, 16, 785, 34}},   {103, {44, 16, 105, 37}},
        {104, {110, 16, 171, 37}}, {105, {176, 16, 237, 37}},   {106, {591, 16, 652, 37}},
        {107, {667, 16, 728, 37}}, {108, {326, 531, 505, 565}}, {109, {263, 564, 560, 612}},
    };
    ASSERT_EQ(m_ui.Buttons().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const CButtonST& button = *m_ui.Buttons()[i];
        const BUTTON_ITEM& row = g_ButtonItems[i];
        EXPECT_EQ(button.GetDlgCtrlID(), expected[i].id);
        const CRect rect = RectInParent(button);
        EXPECT_TRUE(::EqualRect(&rect, &expected[i].window)) << expected[i].id;
        EXPECT_EQ(button.GetActionType(), row.type);
        EXPECT_STREQ(button.GetTargetUrl(), row.url) << "every shipped address fits";
        EXPECT_TRUE(button.HasFace(kHoverFace) && button.HasFace(kNormalFace)) << expected[i].id;
        EXPECT_EQ(button.HasFace(kDisabledFace), row.disabledImage != 0) << expected[i].id;
    }
    ASSERT_EQ(m_ui.Browsers().size(), 1u);
    const SimpleBrowser& pane = *m_ui.Browsers()[0];
    EXPECT_EQ(pane.GetDlgCtrlID(), 112);
    const CRect paneRect = RectInParent(pane), expectedPane(17, 57, 812, 521);
    EXPECT_TRUE(::EqualRect(&paneRect, &expectedPane));
    EXPECT_EQ(ChildrenOf(m_parent).size(), 10u) << "no radio button, progress bar, edit box or other child";
}

TEST_F(UIBuilderTest, NullTablesAndTablesStartingWithTheirTerminatorBuildNothing) {
    EXPECT_TRUE(m_ui.Build(&m_parent));
    const BUTTON_ITEM buttons[] = {g_ButtonItems[9], g_ButtonItems[0]};
    const RADIO_ITEM radios[] = {{L"", 1, 0, 190, 191, 0, 0, 20, 20}, {L"", 1, 601, 190, 191, 0, 0, 20, 20}};
    const EDIT_ITEM edits[] = {{0, 0, 0, 50, 20, 0, 0, 0, 0}, {602, 0, 0, 50, 20, 0, 0, 0, 0}};
    m_ui.SetTables(buttons, radios, nullptr, nullptr, edits);
    EXPECT_TRUE(m_ui.Build(&m_parent));
    EXPECT_TRUE(ChildrenOf(m_parent).empty());
}

TEST_F(UIBuilderTest, RadioRowsWithTheSameKeyFormOneGroupInTableOrder) {
    const RADIO_ITEM radios[] = {
        {L"a", 7, 601, 191, 190, 0, 0, 20, 20},
        {L"b", 3, 602, 191, 190, 30, 0, 50, 20},
        {L"c", 7, 603, 191, 190, 60, 0, 80, 20},
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
    EXPECT_TRUE(c->HasFace(kHoverFace)) << "the checked image fills slot 0";
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
        EXPECT_EQ(dc.GetBkColor(), c.coloured ? blue : RGB(255, 255, 255)) << c.kind;
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
    EXPECT_EQ(g_childrenSeen, 10) << "nine buttons and the notice pane";
    // Nine buttons with two or three faces and their masks, plus their background snapshots.
    EXPECT_GE(g_whileRunning.bitmaps - before.bitmaps, 9 * 4 + 9);
    EXPECT_GE(g_whileRunning.memoryDCs - before.memoryDCs, 9);
    EXPECT_EQ(after.bitmaps, before.bitmaps);
    EXPECT_EQ(after.brushes, before.brushes);
    EXPECT_EQ(after.regions, before.regions);
    EXPECT_EQ(after.memoryDCs, before.memoryDCs);
    EXPECT_EQ(after.paintDCs, before.paintDCs);
    EXPECT_EQ(after.clientDCs, before.clientDCs);
}

} // namespace
