// What a skinned button does with clicks, focus, tips and the pointer, seen from its parent.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ButtonST.h"
#include "ControlTestWindows.h"
#include "ShippedButtons.h"

namespace {

using Posted = std::vector<std::pair<UINT, WPARAM>>;
const LPARAM kInside = MAKELPARAM(5, 5);

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Create(CRect(100, 100, 400, 300)));
        ASSERT_TRUE(WaitUntil([this] {
            ::SetForegroundWindow(m_parent);
            return ::GetForegroundWindow() == m_parent.GetSafeHwnd();
        }));
    }

    // A button of the given style at the next free place of the parent, with id 500, 501, ...
    CButtonST& Add(DWORD style, int nActionType = OpenUrl) {
        const int n = static_cast<int>(m_buttons.size());
        m_buttons.push_back(std::make_unique<CButtonST>());
        m_buttons.back()->Create(L"", WS_VISIBLE | style, CRect(10 + 60 * n, 10, 60 + 60 * n, 40), &m_parent,
                                 static_cast<UINT>(500 + n));
        m_buttons.back()->SetActionType(nActionType);
        return *m_buttons.back();
    }

    // The click as the control reports it: BN_CLICKED to the parent, which reflects it to the button.
    void Click(CButtonST& button) {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
    }

    Posted TakePosted() {
        PumpMessages();
        return std::exchange(m_parent.m_posted, {});
    }

    CTestParent m_parent;
    std::vector<std::unique_ptr<CButtonST>> m_buttons;
};

TEST_F(ButtonTest, EachActionTypeDoesItsOwnThing) {
    struct Case {
        int actionType;
        UINT posted; // 0: nothing
        bool minimises;
    } const cases[] = {
        {NotifySelected, LM_SELECTED, false},
        {MinimiseParent, 0, true},
        {CloseParent, WM_CLOSE, false},
        {OpenUrl, 0, false}, // without an address
        {RequestStart, LM_START, false},
        {0, 0, false},
        {9, 0, false},
    };
    for (const Case& c : cases) {
        CButtonST& button = Add(0, c.actionType);
        Click(button);
        const WPARAM id = c.actionType == NotifySelected ? static_cast<WPARAM>(button.GetDlgCtrlID()) : 0;
        const Posted expected = c.posted ? Posted{{c.posted, id}} : Posted{};
        EXPECT_EQ(TakePosted(), expected) << "type " << c.actionType;
        EXPECT_EQ(m_parent.IsIconic() != FALSE, c.minimises) << "type " << c.actionType;
        m_parent.ShowWindow(SW_RESTORE);
    }
}

TEST_F(ButtonTest, AnAddressThatDoesNotFitIsRefusedNotCut) {
    CButtonST& button = Add(0);
    EXPECT_TRUE(button.SetTargetUrl(std::wstring(259, L'a').c_str()));
    EXPECT_FALSE(button.SetTargetUrl(std::wstring(260, L'a').c_str()));
    EXPECT_STREQ(button.GetTargetUrl(), L"");
}

TEST_F(ButtonTest, ADoubleClickCountsAsTwoClicks) {
    CButtonST& button = Add(0, NotifySelected);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        button.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, kInside);
    }
    EXPECT_EQ(TakePosted().size(), 2u);
}

TEST_F(ButtonTest, CheckButtonsToggleAndRadioButtonsClearTheirWholeGroup) {
    CButtonST& first = Add(BS_RADIOBUTTON);
    CButtonST& middle = Add(BS_RADIOBUTTON);
    CButtonST& plain = Add(0, NotifySelected);
    CButtonST& check = Add(BS_CHECKBOX);
    for (CButtonST* member : {&middle, &plain, &check}) {
        CButtonST::AppendToGroup(&first, member);
    }
    for (int clicks = 1; clicks <= 3; ++clicks) {
        Click(check);
        EXPECT_EQ(check.GetCheck() != FALSE, clicks % 2 == 1) << "a check button toggles";
    }
    Click(first);
    EXPECT_EQ(TakePosted(), (Posted{{LM_SELECTED, 500}})) << "only the radio button posts";

    for (const auto& button : m_buttons) {
        button->UpdateWindow();
    }
    Click(middle);
    EXPECT_TRUE(middle.GetCheck());
    EXPECT_FALSE(first.GetCheck()) << "the member before it is cleared";
    EXPECT_FALSE(check.GetCheck()) << "the member after it is cleared";
    EXPECT_FALSE(::GetUpdateRect(plain, nullptr, FALSE)) << "a member without check mode is passed over";
    EXPECT_EQ(TakePosted(), (Posted{{LM_SELECTED, 501}}));

    Click(middle);
    EXPECT_TRUE(middle.GetCheck());
    EXPECT_TRUE(TakePosted().empty()) << "a checked radio button posts nothing";
}

TEST_F(ButtonTest, DisablingHandsTheFocusToTheNextTabStopOrElseTheParent) {
    CButtonST& alone = Add(0);
    CButtonST& next = Add(WS_TABSTOP);
    alone.SetFocus();
    alone.EnableWindow(FALSE);
    EXPECT_EQ(::GetFocus(), next.GetSafeHwnd());
    next.EnableWindow(FALSE); // no tab stop left
    EXPECT_EQ(::GetFocus(), m_parent.GetSafeHwnd());
}

TEST_F(ButtonTest, HoverLightsOnlyForAFreeMouseAndEndsOnLeaveOrDeactivation) {
    CButtonST& button = Add(0);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, kInside);
    EXPECT_FALSE(button.IsHovered()) << "entered with the mouse button held";
    button.SendMessage(WM_MOUSEMOVE, 0, kInside);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, kInside);
    EXPECT_TRUE(button.IsHovered()) << "pressing a lit button keeps it lit";
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHovered());
    button.SendMessage(WM_MOUSEMOVE, 0, kInside);
    button.SendMessage(WM_ACTIVATE, WA_INACTIVE);
    EXPECT_FALSE(button.IsHovered());
}

TEST_F(ButtonTest, ATipTextMakesOneToolThatLaterTextsUpdate) {
    CButtonST& button = Add(0);
    button.SetTipText(L"");
    const auto tooltip = [this] { return ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); };
    EXPECT_EQ(tooltip(), nullptr) << "an empty tip needs no window";

    button.SetTipText(L"Forum");
    button.MoveWindow(0, 0, 80, 40);
    button.SetTipText(L"Open the forum");
    ASSERT_NE(tooltip(), nullptr);
    EXPECT_EQ(::GetWindow(tooltip(), GW_OWNER), m_parent.GetSafeHwnd());
    EXPECT_EQ(::SendMessageW(tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = {};
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = button;
    tool.uId = 1;
    tool.lpszText = text;
    ::SendMessageW(tooltip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Open the forum");
    ::SendMessageW(tooltip(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(tool.rect.right, 50) << "the tool keeps the rectangle of the first text";
}

// A parent that erases its background in a colour the test chooses.
class CColouredParent : public CTestParent {
public:
    COLORREF m_colour = RGB(200, 30, 30);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(client, m_colour);
        return TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredParent, CTestParent)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// Windows tells only top-level windows that the system colours changed. The button keeps the snapshot of
// its parent's background it took at its first paint, until the change reaches it through its top-level
// window: then its next paint takes a new one.
TEST(ButtonBackground, TheSnapshotIsKeptUntilASystemColourChangeReachesTheTopLevelWindow) {
    constexpr COLORREF kFirst = RGB(200, 30, 30), kSecond = RGB(30, 30, 200);
    CColouredParent parent;
    ASSERT_TRUE(parent.Create(CRect(100, 100, 300, 200)));
    CButtonST button; // without faces it shows its background snapshot alone
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE, CRect(10, 10, 50, 30), &parent, 800));
    button.EnableParentBackground(FALSE);
    const auto shown = [&] {
        ::RedrawWindow(parent, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const HDC dc = ::GetDC(button);
        const COLORREF pixel = ::GetPixel(dc, 20, 10);
        ::ReleaseDC(button, dc);
        return pixel;
    };
    EXPECT_EQ(shown(), kFirst);
    parent.m_colour = kSecond;
    EXPECT_EQ(shown(), kFirst) << "the snapshot of the first paint";
    parent.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(shown(), kSecond) << "a new snapshot after the change";
}

// Hover, press, minimise and restore, over and over: the buttons must hold no more handles at the end
// than after the first round.
TEST_F(ButtonTest, TwoHundredRoundsOfUseLeaveTheHandleCountsFlat) {
    CButtonST& minimise = Add(0, MinimiseParent);
    CButtonST& other = Add(0, NotifySelected);
    for (CButtonST* button : {&minimise, &other}) {
        const BUTTON_DATA& close = ButtonRowFor(CloseParent);
        button->SetFaceImages(close.hoverImage, close.normalImage, 0, RGB(255, 0, 255), 0, RGB(255, 0, 255));
        button->EnableParentBackground(FALSE);
    }
    const auto counts = [] {
        return std::vector<int>{CBitmap::LiveHandleCount(), CMemoryDC::LiveHandleCount(),
                                CClientDC::LiveHandleCount(), CPaintDC::LiveHandleCount()};
    };
    std::vector<int> afterFirstRound;
    int minimised = 0;
    for (int round = 0; round < 200; ++round) {
        other.SendMessage(WM_MOUSEMOVE, 0, kInside);
        other.UpdateWindow();
        other.SendMessage(WM_MOUSELEAVE);
        minimise.SendMessage(WM_MOUSEMOVE, 0, kInside);
        minimise.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, kInside);
        minimise.UpdateWindow();
        minimise.SendMessage(WM_LBUTTONUP, 0, kInside);
        minimised += m_parent.IsIconic() != FALSE;
        m_parent.ShowWindow(SW_RESTORE);
        m_parent.UpdateWindow();
        PumpMessages();
        if (round == 0) {
            afterFirstRound = counts();
        }
    }
    EXPECT_EQ(minimised, 200);
    EXPECT_EQ(counts(), afterFirstRound);
    EXPECT_EQ(TakePosted().size(), 0u);
}

} // namespace
