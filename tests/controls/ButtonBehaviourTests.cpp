// What a skinned button does with clicks, focus, tips and the pointer, seen from its parent.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ButtonST.h"
#include "ShellOpenRecorder.h"
#include "TestWindows.h"
#include "KeyColours.h"
#include "ShippedButtons.h"

namespace {

using Posted = std::vector<std::pair<UINT, WPARAM>>;
using Opened = std::vector<CShellOpenRecorder::Request>;
const LPARAM kInside = MAKELPARAM(5, 5);
// The colours of the faces a test gives a button: which one shows tells which face it drew.
constexpr COLORREF kLit = RGB(250, 200, 0), kAtRest = RGB(0, 120, 60);

// A face of one colour as large as the test buttons.
CBitmap SolidFace(COLORREF colour) {
    CClientDC screen(nullptr);
    CBitmapDC face(screen, 50, 30);
    face.FillSolidRect(CRect(0, 0, 50, 30), colour);
    return face.TakeBitmap();
}

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

    // A button with the lit face in its hover slot (slot 0) and the one at rest in its normal slot.
    CButtonST& AddWithFaces(DWORD style, int nActionType = OpenUrl) {
        CButtonST& button = Add(style, nActionType);
        button.AttachFaceImages(SolidFace(kLit), SolidFace(kAtRest), CBitmap(), 0, CBitmap(), 0);
        return button;
    }

    // The colour the button shows in its middle once it has painted.
    static COLORREF Shown(CButtonST& button) {
        ::UpdateWindow(button);
        const HDC dc = ::GetDC(button);
        const COLORREF colour = ::GetPixel(dc, 25, 15);
        ::ReleaseDC(button, dc);
        return colour;
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
    CShellOpenRecorder m_shell;
};

TEST_F(ButtonTest, EachActionTypeDoesItsOwnThing) {
    ASSERT_TRUE(m_shell.Installed());
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
        EXPECT_TRUE(CShellOpenRecorder::Take().empty()) << "type " << c.actionType;
        m_parent.ShowWindow(SW_RESTORE);
    }
}

TEST_F(ButtonTest, AnAddressThatDoesNotFitIsRefusedNotCut) {
    ASSERT_TRUE(m_shell.Installed());
    CButtonST& button = Add(0);
    const std::wstring longest(259, L'a');
    EXPECT_TRUE(button.SetTargetUrl(longest.c_str()));
    Click(button);
    EXPECT_EQ(CShellOpenRecorder::Take(), (Opened{{L"open", longest}}));
    EXPECT_FALSE(button.SetTargetUrl(std::wstring(260, L'a').c_str()));
    Click(button);
    EXPECT_TRUE(CShellOpenRecorder::Take().empty()) << "no address is left, not a cut one";
}

TEST_F(ButtonTest, ADoubleClickCountsAsTwoClicks) {
    CButtonST& button = Add(0, NotifySelected);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        button.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, kInside);
    }
    EXPECT_EQ(TakePosted().size(), 2u);
}

// A checked button shows its hover face (slot 0), an unchecked one its normal face, hovered or not.
TEST_F(ButtonTest, CheckButtonsToggleAndRadioButtonsClearTheirWholeGroup) {
    CButtonST& first = AddWithFaces(BS_RADIOBUTTON);
    CButtonST& middle = AddWithFaces(BS_RADIOBUTTON);
    CButtonST& plain = AddWithFaces(0, NotifySelected);
    CButtonST& check = AddWithFaces(BS_CHECKBOX);
    for (CButtonST* member : {&middle, &plain, &check}) {
        CButtonST::AppendToGroup(&first, member);
    }
    for (int clicks = 1; clicks <= 3; ++clicks) {
        Click(check);
        EXPECT_EQ(Shown(check), clicks % 2 == 1 ? kLit : kAtRest) << "a check button toggles";
    }
    Click(first);
    EXPECT_EQ(Shown(first), kLit);
    EXPECT_EQ(Shown(check), kAtRest) << "a check button in the group is cleared too";
    EXPECT_EQ(TakePosted(), (Posted{{LM_SELECTED, 500}})) << "only the radio button posts";

    Click(check);
    for (const auto& button : m_buttons) {
        Shown(*button);
    }
    Click(middle);
    EXPECT_FALSE(::GetUpdateRect(plain, nullptr, FALSE)) << "a member without check mode is passed over";
    EXPECT_EQ(Shown(middle), kLit);
    EXPECT_EQ(Shown(first), kAtRest) << "the member before it is cleared";
    EXPECT_EQ(Shown(check), kAtRest) << "the member after it is cleared";
    EXPECT_EQ(TakePosted(), (Posted{{LM_SELECTED, 501}}));

    first.SendMessage(WM_MOUSEMOVE, 0, kInside);
    EXPECT_EQ(Shown(first), kAtRest) << "an unchecked radio button is not lit by the pointer";
    Click(middle);
    EXPECT_EQ(Shown(middle), kLit);
    EXPECT_TRUE(TakePosted().empty()) << "a checked radio button posts nothing";
}

TEST_F(ButtonTest, DisablingHandsTheFocusToTheNextTabStopOrElseTheParent) {
    CButtonST& alone = Add(0);
    CButtonST& next = Add(WS_TABSTOP);
    ::SetFocus(alone);
    ::EnableWindow(alone, FALSE);
    EXPECT_EQ(::GetFocus(), next.GetSafeHwnd());
    ::EnableWindow(next, FALSE); // no tab stop left
    EXPECT_EQ(::GetFocus(), m_parent.GetSafeHwnd());
}

TEST_F(ButtonTest, HoverLightsOnlyForAFreeMouseAndEndsOnLeaveOrDeactivation) {
    CButtonST& button = AddWithFaces(0);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, kInside);
    EXPECT_EQ(Shown(button), kAtRest) << "entered with the mouse button held";
    button.SendMessage(WM_MOUSEMOVE, 0, kInside);
    EXPECT_EQ(Shown(button), kLit);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, kInside);
    EXPECT_EQ(Shown(button), kLit) << "pressing a lit button keeps it lit";
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(Shown(button), kAtRest);
    button.SendMessage(WM_MOUSEMOVE, 0, kInside);
    button.SendMessage(WM_ACTIVATE, WA_INACTIVE);
    EXPECT_EQ(Shown(button), kAtRest);
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

// A button shows the looks it showed before with one copy each, but once its caption, font, faces, frame
// or size change it must look like a button that had the change from the start, at rest and lit.
TEST_F(ButtonTest, AfterAChangeALookShownBeforeIsDrawnAnew) {
    struct Case {
        const char* change;
        void (*apply)(CButtonST&);
    } const cases[] = {
        {"caption", [](CButtonST& b) { b.SetWindowText(L"WWW"); }},
        {"font",
         [](CButtonST& b) {
             b.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(OEM_FIXED_FONT)));
         }},
        {"faces",
         [](CButtonST& b) {
             b.AttachFaceImages(SolidFace(RGB(9, 9, 200)), SolidFace(RGB(200, 9, 9)), CBitmap(), 0, CBitmap(),
                                0);
         }},
        {"frame", [](CButtonST& b) { b.ShowHoverFrame(FALSE, TRUE); }},
        {"size", [](CButtonST& b) { ::SetWindowPos(b, nullptr, 0, 0, 50, 36, SWP_NOMOVE | SWP_NOZORDER); }},
    };
    for (const Case& c : cases) {
        CButtonST& shown = AddWithFaces(0);
        shown.SetWindowText(L"Go");
        const auto lookAtBoth = [&](CButtonST& b) {
            std::vector<std::uint32_t> looks = CaptureWindow(b).pixels;
            b.SendMessage(WM_MOUSEMOVE, 0, kInside);
            const std::vector<std::uint32_t> lit = CaptureWindow(b).pixels;
            b.SendMessage(WM_MOUSELEAVE);
            looks.insert(looks.end(), lit.begin(), lit.end());
            return looks;
        };
        lookAtBoth(shown);
        CButtonST& fresh = AddWithFaces(0);
        fresh.ShowWindow(SW_HIDE);
        fresh.SetWindowText(L"Go");
        c.apply(shown);
        c.apply(fresh);
        fresh.ShowWindow(SW_SHOW);
        EXPECT_EQ(lookAtBoth(shown), lookAtBoth(fresh)) << c.change;
        m_buttons.clear();
    }
}

// Hover, press, minimise and restore, over and over: the buttons must hold no more handles at the end
// than after the first few rounds, by when each has composed a face for every look this use shows.
TEST_F(ButtonTest, TwoHundredRoundsOfUseLeaveTheHandleCountsFlat) {
    CButtonST& minimise = Add(0, MinimiseParent);
    CButtonST& other = Add(0, NotifySelected);
    for (CButtonST* button : {&minimise, &other}) {
        const BUTTON_DATA& close = ButtonRowFor(CloseParent);
        button->SetFaceImages(close.hoverImage, close.normalImage, 0, kFaceKeyColorref, 0, kFaceKeyColorref);
        button->EnableParentBackground(FALSE);
    }
    const auto counts = [] {
        return std::vector<int>{CBitmap::LiveHandleCount(), CMemoryDC::LiveHandleCount(),
                                CClientDC::LiveHandleCount(), CPaintDC::LiveHandleCount()};
    };
    std::vector<int> afterFirstRounds;
    int minimised = 0;
    for (int round = 0; round < 200; ++round) {
        other.SendMessage(WM_MOUSEMOVE, 0, kInside);
        ::UpdateWindow(other);
        other.SendMessage(WM_MOUSELEAVE);
        minimise.SendMessage(WM_MOUSEMOVE, 0, kInside);
        minimise.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, kInside);
        ::UpdateWindow(minimise);
        minimise.SendMessage(WM_LBUTTONUP, 0, kInside);
        minimised += m_parent.IsIconic() != FALSE;
        m_parent.ShowWindow(SW_RESTORE);
        ::UpdateWindow(m_parent);
        PumpMessages();
        if (round == 2) {
            afterFirstRounds = counts();
        }
    }
    EXPECT_EQ(minimised, 200);
    EXPECT_EQ(counts(), afterFirstRounds);
    EXPECT_EQ(TakePosted().size(), 0u);
}

} // namespace
