#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestWindows.h"

namespace {

// Records the lifetime events of a window object, with the messages that mark creation, use and
// destruction.
template <typename Base> class CLifetimeRecorder : public Base {
public:
    std::vector<std::string> m_events;
    bool m_boundDuringNcCreate = false;
    bool m_unboundInPostNcDestroy = false;

    void PreSubclassWindow() override { m_events.push_back("PreSubclassWindow"); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_NCCREATE:
            m_boundDuringNcCreate = CWnd::FromHandlePermanent(this->m_hWnd) == this;
            m_events.push_back("WM_NCCREATE");
            break;
        case WM_CREATE:
            m_events.push_back("WM_CREATE");
            break;
        case WM_SETTEXT:
            m_events.push_back("WM_SETTEXT");
            break;
        case WM_DESTROY:
            m_events.push_back("WM_DESTROY");
            break;
        case WM_NCDESTROY:
            m_events.push_back("WM_NCDESTROY");
            break;
        default:
            break;
        }
        return Base::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {
        m_unboundInPostNcDestroy = this->m_hWnd == nullptr;
        m_events.push_back("PostNcDestroy");
    }
};

struct LifetimeCase {
    const char* name;
    std::function<BOOL(CLifetimeRecorder<CButton>&)> create;
    std::vector<std::string> expectedEvents;
};

TEST(WindowLifetimeTest, BindsOnCreationAndUnbindsAfterNcDestroy) {
    const LifetimeCase cases[] = {
        {"framework class bound at WM_NCCREATE",
         [](CLifetimeRecorder<CButton>& wnd) { return CreateFrameworkPopup(wnd); },
         {"PreSubclassWindow", "WM_NCCREATE", "WM_CREATE", "WM_SETTEXT", "WM_DESTROY", "WM_NCDESTROY",
          "PostNcDestroy"}},
        {"system BUTTON subclassed after creation",
         [](CLifetimeRecorder<CButton>& wnd) {
             return wnd.Create(L"", BS_PUSHBUTTON | WS_POPUP, kSmallRect, nullptr, 0);
         },
         {"PreSubclassWindow", "WM_SETTEXT", "WM_DESTROY", "WM_NCDESTROY", "PostNcDestroy"}},
    };
    for (const LifetimeCase& c : cases) {
        SCOPED_TRACE(c.name);
        CLifetimeRecorder<CButton> wnd;
        ASSERT_TRUE(c.create(wnd));
        const HWND hWnd = wnd.m_hWnd;
        EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));

        wnd.SetWindowText(L"in use");
        EXPECT_TRUE(wnd.DestroyWindow());

        EXPECT_EQ(c.expectedEvents, wnd.m_events);
        EXPECT_EQ(nullptr, wnd.m_hWnd);
        EXPECT_TRUE(wnd.m_unboundInPostNcDestroy);
    }
}

TEST(WindowLifetimeTest, FrameworkClassWindowIsBoundBeforeItsFirstMessage) {
    CLifetimeRecorder<CWnd> wnd;
    ASSERT_TRUE(CreateFrameworkPopup(wnd));
    EXPECT_TRUE(wnd.m_boundDuringNcCreate);
}

TEST(WindowLifetimeTest, OwnerDestroysItsWindowAndViewDoesNot) {
    HWND hOwned = nullptr;
    {
        CWnd owner;
        ASSERT_TRUE(CreateFrameworkPopup(owner));
        hOwned = owner.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hOwned));

    const HWND hViewed = CreateProbeWindow();
    { const CWnd view(hViewed); }
    EXPECT_TRUE(::IsWindow(hViewed));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hViewed));
    ::DestroyWindow(hViewed);
}

TEST(WindowLifetimeTest, WindowCanBeBoundToOnlyOneObject) {
    CWnd first;
    ASSERT_TRUE(CreateFrameworkPopup(first));
    CWnd second;
    EXPECT_FALSE(second.SubclassWindow(first.m_hWnd));
    EXPECT_EQ(&first, CWnd::FromHandlePermanent(first.m_hWnd));
}

TEST(WindowLifetimeTest, ChildGetsStyleAndIdAndIsUnboundWithItsParent) {
    CWnd parent;
    ASSERT_TRUE(CreateFrameworkPopup(parent));
    CLifetimeRecorder<CStatic> child;
    ASSERT_TRUE(child.Create(L"child", SS_LEFT, kSmallRect, &parent, 42));

    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    EXPECT_EQ(42, child.GetDlgCtrlID());
    EXPECT_EQ(&parent, CWnd::FromHandlePermanent(child.GetParentHwnd()));
    EXPECT_EQ(child.m_hWnd, parent.GetDlgItem(42));

    parent.DestroyWindow();
    EXPECT_EQ(nullptr, child.m_hWnd);
    EXPECT_EQ("PostNcDestroy", child.m_events.back());
}

TEST(WindowLifetimeTest, RegisteredClassIsReusedForTheSameArguments) {
    const LPCWSTR plain = AfxRegisterWndClass(0);
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(plain, AfxRegisterWndClass(0));
    const LPCWSTR withDoubleClicks = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    ASSERT_NE(nullptr, withDoubleClicks);
    EXPECT_STRNE(plain, withDoubleClicks);

    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, withDoubleClicks, L"", WS_POPUP, kSmallRect, nullptr, 0));
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS), ::GetClassLongPtrW(wnd, GCL_STYLE));
}

} // namespace
