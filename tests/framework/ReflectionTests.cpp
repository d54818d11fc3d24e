#include <gtest/gtest.h>

#include <functional>

#include "TestWindows.h"

namespace {

constexpr UINT kButtonId = 300;

class COwnerDrawnButton : public CButton {
public:
    int m_drawCount = 0;
    HWND m_drawnItem = nullptr;
    BOOL m_clickAnswer = TRUE;
    int m_reflectedClicks = 0;
    UINT m_notifyCode = 0;
    HBRUSH m_brush = nullptr;
    UINT m_colorKind = 0xFFFF;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override {
        ++m_drawCount;
        m_drawnItem = lpDrawItemStruct->hwndItem;
    }

protected:
    // No map entry answers a reflected WM_NOTIFY: the launcher's controls have none.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        if (message != WM_NOTIFY) {
            return CButton::OnChildNotify(message, wParam, lParam, pResult);
        }
        m_notifyCode = reinterpret_cast<const NMHDR*>(lParam)->code;
        *pResult = 77;
        return TRUE;
    }
    afx_msg BOOL OnReflectedClick() {
        ++m_reflectedClicks;
        return m_clickAnswer;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor) {
        m_colorKind = nCtlColor;
        return m_brush;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawnButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &COwnerDrawnButton::OnReflectedClick)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentWindow : public CWnd {
public:
    int m_clicks = 0;
    int m_colorCalls = 0;
    CWnd* m_colorWnd = nullptr;

protected:
    afx_msg void OnButtonClicked() { ++m_clicks; }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT) {
        ++m_colorCalls;
        m_colorWnd = pWnd;
        return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWindow, CWnd)
ON_BN_CLICKED(kButtonId, &CParentWindow::OnButtonClicked)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateFrameworkPopup(m_parent));
        ASSERT_TRUE(
            m_button.Create(L"Play", BS_OWNERDRAW | WS_VISIBLE, CRect(0, 0, 60, 20), &m_parent, kButtonId));
    }

    CParentWindow m_parent;
    COwnerDrawnButton m_button;
};

TEST_F(ReflectionTest, DrawItemReachesTheButtonDrawingIt) {
    const CClientDC dc(&m_button);
    DRAWITEMSTRUCT drawItem = {};
    drawItem.CtlType = ODT_BUTTON;
    drawItem.CtlID = kButtonId;
    drawItem.itemAction = ODA_DRAWENTIRE;
    drawItem.hwndItem = m_button.m_hWnd;
    drawItem.hDC = dc.GetSafeHdc();
    drawItem.rcItem = CRect(0, 0, 60, 20);

    EXPECT_EQ(TRUE, m_parent.SendMessage(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&drawItem)));
    EXPECT_EQ(1, m_button.m_drawCount);
    EXPECT_EQ(m_button.m_hWnd, m_button.m_drawnItem);
}

TEST_F(ReflectionTest, PaintingTheOwnerDrawnButtonCallsDrawItem) {
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    ::RedrawWindow(m_button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(m_button.m_drawCount, 1);
    EXPECT_EQ(m_button.m_hWnd, m_button.m_drawnItem);
}

TEST_F(ReflectionTest, ReflectedClickHandlerDecidesWhetherTheParentSeesTheClick) {
    const struct {
        BOOL childAnswer;
        int expectedParentClicks;
    } cases[] = {{TRUE, 0}, {FALSE, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.childAnswer);
        m_button.m_reflectedClicks = 0;
        m_parent.m_clicks = 0;
        m_button.m_clickAnswer = c.childAnswer;

        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED),
                             reinterpret_cast<LPARAM>(m_button.m_hWnd));

        EXPECT_EQ(1, m_button.m_reflectedClicks);
        EXPECT_EQ(c.expectedParentClicks, m_parent.m_clicks);
    }
}

TEST_F(ReflectionTest, NotificationReachesTheChildItNames) {
    NMHDR header = {m_button.m_hWnd, kButtonId, NM_CLICK};
    EXPECT_EQ(77, m_parent.SendMessage(WM_NOTIFY, kButtonId, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(NM_CLICK, m_button.m_notifyCode);
}

// A notification reaches a control's object only through the control's own parent: the same message, naming a
// grandchild, sent to the grandparent is not reflected to it.
TEST_F(ReflectionTest, OnlyTheDirectParentReflectsToAControl) {
    CWnd middle;
    ASSERT_TRUE(middle.CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 30, 100, 80),
                                &m_parent, kButtonId + 1));
    COwnerDrawnButton grandchild;
    ASSERT_TRUE(
        grandchild.Create(L"Deep", BS_OWNERDRAW | WS_VISIBLE, CRect(0, 0, 60, 20), &middle, kButtonId));
    const CClientDC dc(&grandchild);
    NMHDR header = {grandchild.m_hWnd, kButtonId, static_cast<UINT>(NM_CLICK)};
    DRAWITEMSTRUCT drawItem = {};
    drawItem.CtlType = ODT_BUTTON;
    drawItem.CtlID = kButtonId;
    drawItem.hwndItem = grandchild.m_hWnd;
    drawItem.hDC = dc.GetSafeHdc();
    const auto named = reinterpret_cast<LPARAM>(grandchild.m_hWnd);
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::function<bool()> reached;
    } cases[] = {
        {"WM_NOTIFY", WM_NOTIFY, kButtonId, reinterpret_cast<LPARAM>(&header),
         [&] { return grandchild.m_notifyCode == static_cast<UINT>(NM_CLICK); }},
        {"WM_COMMAND", WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), named,
         [&] { return grandchild.m_reflectedClicks != 0; }},
        {"WM_CTLCOLORBTN", WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), named,
         [&] { return grandchild.m_colorKind == CTLCOLOR_BTN; }},
        {"WM_DRAWITEM", WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&drawItem),
         [&] { return grandchild.m_drawCount != 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (CWnd* const to : {static_cast<CWnd*>(&m_parent), &middle}) {
            grandchild.m_notifyCode = 0;
            grandchild.m_reflectedClicks = 0;
            grandchild.m_colorKind = 0xFFFF;
            grandchild.m_drawCount = 0;
            to->SendMessage(c.message, c.wParam, c.lParam);
            EXPECT_EQ(c.reached(), to == &middle)
                << (to == &middle ? "from its parent" : "from its grandparent");
        }
    }
}

TEST_F(ReflectionTest, ChildBrushAnswersColourMessagesElseTheParentDoes) {
    const HBRUSH childBrush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    const HBRUSH parentBrush = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    const struct {
        HBRUSH childAnswer;
        HBRUSH expectedBrush;
        int expectedParentCalls;
    } cases[] = {{childBrush, childBrush, 0}, {nullptr, parentBrush, 1}};
    const CClientDC dc(&m_button);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expectedParentCalls);
        m_parent.m_colorCalls = 0;
        m_button.m_brush = c.childAnswer;

        const LRESULT brush = m_parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                   reinterpret_cast<LPARAM>(m_button.m_hWnd));

        EXPECT_EQ(reinterpret_cast<LRESULT>(c.expectedBrush), brush);
        EXPECT_EQ(static_cast<UINT>(CTLCOLOR_BTN), m_button.m_colorKind);
        EXPECT_EQ(c.expectedParentCalls, m_parent.m_colorCalls);
    }
    EXPECT_EQ(&m_button, m_parent.m_colorWnd);
}

} // namespace
