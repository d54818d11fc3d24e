#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestWindows.h"

namespace {

// The handler that ran and the arguments it was given, as integers.
struct Call {
    std::string handler;
    std::vector<long long> args;

    bool operator==(const Call& other) const { return handler == other.handler && args == other.args; }
};

void PrintTo(const Call& call, std::ostream* os) {
    *os << call.handler << "(";
    for (const long long arg : call.args) {
        *os << arg << ",";
    }
    *os << ")";
}

class CBaseProbe : public CWnd {
public:
    std::vector<Call> m_calls;

protected:
    afx_msg LRESULT OnShared(WPARAM wParam, LPARAM lParam) {
        m_calls.push_back({"base OnShared", {static_cast<long long>(wParam), lParam}});
        return 1;
    }
    afx_msg LRESULT OnBaseOnly(WPARAM, LPARAM) {
        m_calls.push_back({"base OnBaseOnly", {}});
        return 2;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseProbe, CWnd)
ON_MESSAGE(WM_APP, &CBaseProbe::OnShared)
ON_MESSAGE(WM_APP + 1, &CBaseProbe::OnBaseOnly)
END_MESSAGE_MAP()

class CDerivedProbe : public CBaseProbe {
public:
    LRESULT m_nestedAnswer = 0;

protected:
    afx_msg LRESULT OnDerivedShared(WPARAM wParam, LPARAM lParam) {
        m_calls.push_back({"derived OnShared", {static_cast<long long>(wParam), lParam}});
        return 3;
    }
    afx_msg LRESULT OnPassOn(WPARAM, LPARAM) { return Default(); }
    afx_msg LRESULT OnNestThenPassOn(WPARAM, LPARAM) {
        m_nestedAnswer = SendMessage(WM_APP + 2, 7, 0);
        return Default();
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) { m_calls.push_back({"OnSize", {nType, cx, cy}}); }
    afx_msg LRESULT OnNcHitTest(CPoint point) {
        m_calls.push_back({"OnNcHitTest", {point.x, point.y}});
        return HTCAPTION;
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) {
        m_calls.push_back({"OnMouseMove", {nFlags, point.x, point.y}});
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent) {
        m_calls.push_back({"OnTimer", {static_cast<long long>(nIDEvent)}});
    }
    afx_msg void OnEnable(BOOL bEnable) { m_calls.push_back({"OnEnable", {bEnable}}); }
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
        m_calls.push_back({"OnActivate", {nState, pWndOther == nullptr, bMinimized}});
    }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { m_calls.push_back({"OnKillFocus", {pNewWnd == nullptr}}); }
    afx_msg void OnMouseLeave() { m_calls.push_back({"OnMouseLeave", {}}); }
    afx_msg void OnSysColorChange() { m_calls.push_back({"OnSysColorChange", {}}); }
    afx_msg void OnCancelMode() { m_calls.push_back({"OnCancelMode", {}}); }
    afx_msg HCURSOR OnQueryDragIcon() {
        m_calls.push_back({"OnQueryDragIcon", {}});
        return nullptr;
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        m_calls.push_back({"OnEraseBkgnd", {reinterpret_cast<long long>(pDC->GetSafeHdc())}});
        return TRUE;
    }
    afx_msg UINT OnGetDlgCode() {
        m_calls.push_back({"OnGetDlgCode", {}});
        return DLGC_WANTARROWS;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbe, CBaseProbe)
ON_MESSAGE(WM_APP, &CDerivedProbe::OnDerivedShared)
ON_MESSAGE(WM_APP + 2, &CDerivedProbe::OnPassOn)
ON_MESSAGE(WM_APP + 3, &CDerivedProbe::OnNestThenPassOn)
ON_WM_SIZE()
ON_WM_NCHITTEST()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_ENABLE()
ON_WM_ACTIVATE()
ON_WM_GETDLGCODE()
ON_WM_KILLFOCUS()
ON_WM_MOUSELEAVE()
ON_WM_SYSCOLORCHANGE()
ON_WM_CANCELMODE()
ON_WM_QUERYDRAGICON()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_probe.SubclassWindow(CreateProbeWindow())); }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return m_probe.SendMessage(message, wParam, lParam);
    }

    CDerivedProbe m_probe;
};

TEST_F(MessageMapTest, DerivedEntryWinsOverTheBaseOne) {
    EXPECT_EQ(3, Send(WM_APP, 11, 22));
    EXPECT_EQ(std::vector<Call>({{"derived OnShared", {11, 22}}}), m_probe.m_calls);
}

TEST_F(MessageMapTest, BaseMapAnswersWhatTheDerivedOneLacks) {
    EXPECT_EQ(2, Send(WM_APP + 1, 0, 0));
    EXPECT_EQ(std::vector<Call>({{"base OnBaseOnly", {}}}), m_probe.m_calls);
}

TEST_F(MessageMapTest, UnmappedMessageReachesTheDefaultProcedure) {
    EXPECT_EQ(ProbeAnswer(WM_APP + 9, 4), Send(WM_APP + 9, 4, 0));
    EXPECT_TRUE(m_probe.m_calls.empty());
}

TEST_F(MessageMapTest, DefaultPassesTheCurrentMessageOn) {
    EXPECT_EQ(ProbeAnswer(WM_APP + 2, 5), Send(WM_APP + 2, 5, 0));
}

TEST_F(MessageMapTest, NestedDispatchRestoresTheCurrentMessage) {
    EXPECT_EQ(ProbeAnswer(WM_APP + 3, 6), Send(WM_APP + 3, 6, 0));
    EXPECT_EQ(ProbeAnswer(WM_APP + 2, 7), m_probe.m_nestedAnswer);
}

struct CrackingCase {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT expectedResult;
    Call expectedCall;
};

TEST_F(MessageMapTest, HandlersReceiveCrackedArguments) {
    const CrackingCase cases[] = {
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), 0, {"OnSize", {SIZE_MAXIMIZED, 640, 480}}},
        {WM_NCHITTEST, 0, MAKELPARAM(-5, 7), HTCAPTION, {"OnNcHitTest", {-5, 7}}},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 40), 0, {"OnMouseMove", {MK_LBUTTON, 30, 40}}},
        {WM_TIMER, 17, 0, 0, {"OnTimer", {17}}},
        {WM_ENABLE, FALSE, 0, 0, {"OnEnable", {FALSE}}},
        {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), 0, 0, {"OnActivate", {WA_CLICKACTIVE, true, 1}}},
        {WM_GETDLGCODE, 0, 0, DLGC_WANTARROWS, {"OnGetDlgCode", {}}},
        {WM_KILLFOCUS, 0, 0, 0, {"OnKillFocus", {true}}},
        {WM_MOUSELEAVE, 0, 0, 0, {"OnMouseLeave", {}}},
        {WM_SYSCOLORCHANGE, 0, 0, 0, {"OnSysColorChange", {}}},
        {WM_CANCELMODE, 0, 0, 0, {"OnCancelMode", {}}},
        {WM_QUERYDRAGICON, 0, 0, 0, {"OnQueryDragIcon", {}}},
        // The handler only reads the DC handle back, so any value serves.
        {WM_ERASEBKGND, 0x1234, 0, TRUE, {"OnEraseBkgnd", {0x1234}}},
    };
    for (const CrackingCase& c : cases) {
        SCOPED_TRACE(c.expectedCall.handler);
        m_probe.m_calls.clear();
        EXPECT_EQ(c.expectedResult, Send(c.message, c.wParam, c.lParam));
        EXPECT_EQ(std::vector<Call>({c.expectedCall}), m_probe.m_calls);
    }
}

class CColorProbe : public CWnd {
public:
    UINT m_kind = 0xFFFF;
    HDC m_hDC = nullptr;
    HWND m_hWndArg = nullptr;
    CWnd* m_pWndArg = nullptr;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        m_kind = nCtlColor;
        m_hDC = pDC->GetSafeHdc();
        m_hWndArg = pWnd->GetSafeHwnd();
        m_pWndArg = pWnd;
        return static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorProbe, CWnd)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(CtlColorTest, EveryColourMessageReachesOnCtlColorWithItsKind) {
    CColorProbe parent;
    ASSERT_TRUE(CreateFrameworkPopup(parent));
    CStatic boundChild;
    ASSERT_TRUE(boundChild.Create(L"", 0, kSmallRect, &parent));
    const HWND unboundChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent, nullptr,
                                                ::GetModuleHandleW(nullptr), nullptr);
    const HDC hDC = ::GetDC(parent);

    const struct {
        UINT message;
        UINT kind;
    } cases[] = {
        {WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX},   {WM_CTLCOLOREDIT, CTLCOLOR_EDIT},
        {WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX}, {WM_CTLCOLORBTN, CTLCOLOR_BTN},
        {WM_CTLCOLORDLG, CTLCOLOR_DLG},         {WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR},
        {WM_CTLCOLORSTATIC, CTLCOLOR_STATIC},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const LRESULT brush = parent.SendMessage(c.message, reinterpret_cast<WPARAM>(hDC),
                                                 reinterpret_cast<LPARAM>(boundChild.m_hWnd));
        EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)), brush);
        EXPECT_EQ(c.kind, parent.m_kind);
        EXPECT_EQ(hDC, parent.m_hDC);
        EXPECT_EQ(&boundChild, parent.m_pWndArg);

        parent.SendMessage(c.message, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(unboundChild));
        EXPECT_EQ(unboundChild, parent.m_hWndArg);
    }
    ::ReleaseDC(parent, hDC);
}

} // namespace
