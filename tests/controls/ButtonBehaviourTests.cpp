// What a skinned button does with clicks, focus and the pointer, seen from its parent.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ButtonST.h"
#include "ControlTestWindows.h"
#include "resource.h"

namespace {

constexpr int kFirstId = 500;
const CRect kParentRect(100, 100, 400, 300);

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Create(kParentRect));
        ASSERT_TRUE(BringToForeground(m_parent));
    }

    // A button of the given style at the nth place of the parent.
    CButtonST& Add(DWORD style, int nActionType = OpenUrl) {
        const int n = static_cast<int>(m_buttons.size());
        m_buttons.push_back(std::make_unique<CButtonST>());
        CButtonST& button = *m_buttons.back();
        const CRect rect(10 + 60 * n, 10, 60 + 60 * n, 40);
        EXPECT_TRUE(button.Create(L"", WS_VISIBLE | style, rect, &m_parent, static_cast<UINT>(kFirstId + n)));
        button.SetActionType(nActionType);
        return button;
    }

    // The click as the control reports it: BN_CLICKED to the parent, which reflects it to the button.
    void Click(CButtonST& button) {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
        PumpMessages();
    }

    std::vector<std::pair<UINT, WPARAM>> TakePosted() {
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
        bool sendsId;
        bool minimises;
    };
    constexpr Case cases[] = {
        {NotifySelected, LM_SELECTED, true, false},
        {MinimiseParent, 0, false, true},
        {CloseParent, WM_CLOSE, false, false},
        {OpenUrl, 0, false, false}, // with no address
        {RequestStart, LM_START, false, false},
        {0, 0, false, false},
        {9, 0, false, false},
    };
    for (const Case& c : cases) {
        CButtonST& button = Add(0, c.actionType);
        Click(button);
        const auto posted = TakePosted();
        if (c.posted == 0) {
            EXPECT_TRUE(posted.empty()) << "type " << c.actionType;
        } else {
            ASSERT_EQ(posted.size(), 1u) << "type " << c.actionType;
            EXPECT_EQ(posted[0].first, c.posted);
            EXPECT_EQ(posted[0].second, c.sendsId ? static_cast<WPARAM>(button.GetDlgCtrlID()) : 0u);
        }
        EXPECT_EQ(m_parent.IsIconic() != FALSE, c.minimises) << "type " << c.actionType;
        m_parent.ShowWindow(SW_RESTORE);
    }
}

TEST_F(ButtonTest, AnAddressThatDoesNotFitIsRefusedNotCut) {
    CButtonST& button = Add(0);
    EXPECT_TRUE(button.SetTargetUrl(std::wstring(259, L'a').c_str()));
    EXPECT_EQ(std::wstring(button.GetTargetUrl()).size(), 259u);
    EXPECT_FALSE(button.SetTargetUrl(std::wstring(260, L'a').c_str()));
    EXPECT_STREQ(button.GetTargetUrl(), L"");
}

TEST_F(ButtonTest, ADoubleClickCountsAsTwoClicks) {
    CButtonST& button = Add(0, NotifySelected);
    const LPARAM inside = MAKELPARAM(5, 5);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        button.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, inside);
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

    Click(check);
    Click(check);
    EXPECT_FALSE(check.GetCheck()) << "a check button toggles";
    Click(check);
    EXPECT_TRUE(check.GetCheck());
    EXPECT_TRUE(TakePosted().empty()) << "a check button posts nothing";

    Click(first);
    EXPECT_TRUE(first.GetCheck());
    EXPECT_EQ(TakePosted(), (std::vector<std::pair<UINT, WPARAM>>{{LM_SELECTED, first.GetDlgCtrlID()}}));

    for (const auto& button : m_buttons) {
        button->UpdateWindow();
    }
    Click(middle);
    EXPECT_TRUE(middle.GetCheck());
    EXPECT_FALSE(first.GetCheck()) << "the member before it is cleared";
    EXPECT_FALSE(check.GetCheck()) << "the member after it is cleared";
    EXPECT_FALSE(::GetUpdateRect(plain, nullptr, FALSE)) << "a member without check mode is passed over";
    EXPECT_EQ(TakePosted(), (std::vector<std::pair<UINT, WPARAM>>{{LM_SELECTED, middle.GetDlgCtrlID()}}));

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

    next.EnableWindow(FALSE); // did not have the focus, and no tab stop is left
    EXPECT_EQ(::GetFocus(), m_parent.GetSafeHwnd());
}

// The tooltips owned by the parent's window, which is where a button's tooltip lives.
std::vector<HWND> TooltipsOf(HWND owner) {
    std::vector<HWND> found;
    for (HWND window = ::GetWindow(::GetDesktopWindow(), GW_CHILD); window;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        ::GetClassNameW(window, className, 64);
        if (::GetWindow(window, GW_OWNER) == owner && std::wstring(className) == TOOLTIPS_CLASSW) {
            found.push_back(window);
        }
    }
    return found;
}

TEST_F(ButtonTest, ATipTextMakesOneToolThatLaterTextsUpdate) {
    CButtonST& button = Add(0);
    button.SetTipText(L"");
    EXPECT_TRUE(TooltipsOf(m_parent).empty()) << "an empty tip needs no window";

    button.SetTipText(L"Open the forum");
    const CRect firstClient(0, 0, 50, 30);
    button.MoveWindow(0, 0, 80, 40);
    button.SetTipText(L"Open the forum in your browser");
    const std::vector<HWND> tooltips = TooltipsOf(m_parent);
    ASSERT_EQ(tooltips.size(), 1u);
    EXPECT_EQ(::SendMessageW(tooltips[0], TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = {};
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = button;
    tool.uId = 1;
    tool.lpszText = text;
    ::SendMessageW(tooltips[0], TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Open the forum in your browser");
    ASSERT_TRUE(::SendMessageW(tooltips[0], TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_TRUE(::EqualRect(&tool.rect, &firstClient)) << "the tool keeps the rectangle of the first text";
}

TEST_F(ButtonTest, HoverLightsOnlyForAFreeMouseOverAnActiveWindow) {
    CButtonST& button = Add(0);
    button.SetFaceImages(IDB_CLOSE_HOVER, IDB_CLOSE_NORMAL, 0, 0, 0, 0);
    const LPARAM inside = MAKELPARAM(5, 5);

    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, inside);
    EXPECT_FALSE(button.IsHovered()) << "entered with the mouse button held";

    button.SendMessage(WM_MOUSEMOVE, 0, inside);
    EXPECT_TRUE(button.IsHovered());
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, inside);
    EXPECT_TRUE(button.IsHovered()) << "a press on a lit button keeps it lit";
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHovered());

    button.SendMessage(WM_MOUSEMOVE, 0, inside);
    button.SendMessage(WM_ACTIVATE, WA_INACTIVE);
    EXPECT_FALSE(button.IsHovered()) << "the launcher was deactivated";

    const CForeignWindow other;
    ASSERT_TRUE(BringToForeground(other.Handle()));
    button.SendMessage(WM_MOUSEMOVE, 0, inside);
    EXPECT_FALSE(button.IsHovered()) << "another program is active";
}

} // namespace
