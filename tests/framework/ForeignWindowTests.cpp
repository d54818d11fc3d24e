// Windows the framework did not bind in this thread are unknown to it, whatever they carry: the lookup does
// not find them, and notifications naming them reach no object.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TestWindows.h"

namespace {

constexpr UINT kChildId = 310;

// Counts the notifications reflected to it.
class CReflectionCounter : public CButton {
public:
    int m_clicks = 0;
    int m_notifications = 0;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        if (message == WM_NOTIFY) {
            ++m_notifications;
        }
        return CButton::OnChildNotify(message, wParam, lParam, pResult);
    }
    afx_msg BOOL OnReflectedClick() {
        ++m_clicks;
        return TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectionCounter, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CReflectionCounter::OnReflectedClick)
END_MESSAGE_MAP()

// Pumps this thread's messages until the object is signalled, so that what other threads send here is
// answered.
void PumpUntilSignalled(HANDLE object) {
    WaitUntil([object] { return ::WaitForSingleObject(object, 0) == WAIT_OBJECT_0; }, 10000);
}

DWORD WINAPI RunBody(LPVOID context) {
    (*static_cast<std::function<void()>*>(context))();
    return 0;
}

// Runs body on a thread of its own while this thread answers its messages.
void RunOnAnotherThread(std::function<void()> body) {
    const HANDLE thread = ::CreateThread(nullptr, 0, &RunBody, &body, 0, nullptr);
    ASSERT_NE(nullptr, thread);
    PumpUntilSignalled(thread);
    ::CloseHandle(thread);
}

// A bound child of hParent made, bound and destroyed by a thread of its own, which lives as long as this.
class CChildOnAnotherThread {
public:
    explicit CChildOnAnotherThread(HWND hParent)
        : m_hParent(hParent), m_made(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_done(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_thread(::CreateThread(nullptr, 0, &CChildOnAnotherThread::Run, this, 0, nullptr)) {
        PumpUntilSignalled(m_made);
    }
    ~CChildOnAnotherThread() {
        ::SetEvent(m_done);
        PumpUntilSignalled(m_thread);
        for (const HANDLE handle : {m_made, m_done, m_thread}) {
            ::CloseHandle(handle);
        }
    }
    CChildOnAnotherThread(const CChildOnAnotherThread&) = delete;
    CChildOnAnotherThread& operator=(const CChildOnAnotherThread&) = delete;

    CReflectionCounter m_child;

private:
    static DWORD WINAPI Run(LPVOID context) {
        auto* const self = static_cast<CChildOnAnotherThread*>(context);
        CWnd parent(self->m_hParent);
        self->m_child.Create(L"", WS_VISIBLE, kSmallRect, &parent, kChildId);
        ::SetEvent(self->m_made);
        PumpUntilSignalled(self->m_done);
        self->m_child.DestroyWindow();
        return 0;
    }

    HWND m_hParent;
    HANDLE m_made;
    HANDLE m_done;
    HANDLE m_thread;
};

class ForeignWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateFrameworkPopup(m_parent)); }

    // What a click notification naming hWnd reaches, sent to m_parent on this thread.
    void SendClickNaming(HWND hWnd) {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
    }

    CWnd m_parent;
};

TEST_F(ForeignWindowTest, OnlyABoundChildOfThisThreadIsFoundAndReachedByItsParentsNotifications) {
    using Check = std::function<void(HWND, CReflectionCounter&)>;
    struct Case {
        const char* name;
        // Makes the window under test beside parent and calls check with it and the object it could reach.
        std::function<void(CWnd& parent, const Check& check)> with;
        bool known;
    };
    const Case cases[] = {
        {"a bound child of the parent, on this thread",
         [](CWnd& parent, const Check& check) {
             CReflectionCounter child;
             ASSERT_TRUE(child.Create(L"", WS_VISIBLE, kSmallRect, &parent, kChildId));
             check(child, child);
         },
         true},
        {"a bound child of the parent, made and bound on another thread",
         [](CWnd& parent, const Check& check) {
             CChildOnAnotherThread other(parent);
             ASSERT_NE(nullptr, other.m_child.m_hWnd);
             check(other.m_child, other.m_child);
         },
         false},
        {"a child of no framework carrying the property that once led to the object",
         [](CWnd& parent, const Check& check) {
             CReflectionCounter decoy;
             const HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr,
                                                  nullptr, nullptr);
             ::SetPropW(plain, L"Framework.BoundCWnd", &decoy);
             check(plain, decoy);
             ::RemovePropW(plain, L"Framework.BoundCWnd");
             ::DestroyWindow(plain);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.with(m_parent, [&](HWND hWnd, CReflectionCounter& object) {
            EXPECT_EQ(c.known ? &object : nullptr, CWnd::FromHandlePermanent(hWnd));
            SendClickNaming(hWnd);
            EXPECT_EQ(c.known ? 1 : 0, object.m_clicks);
        });
    }
}

TEST_F(ForeignWindowTest, ABoundControlOfAnotherParentIsNotReachedThroughThisOne) {
    CWnd otherParent;
    ASSERT_TRUE(CreateFrameworkPopup(otherParent));
    CReflectionCounter child;
    ASSERT_TRUE(child.Create(L"", WS_VISIBLE, kSmallRect, &otherParent, kChildId));

    SendClickNaming(child);
    EXPECT_EQ(0, child.m_clicks);
    otherParent.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED),
                            reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(1, child.m_clicks);
}

TEST_F(ForeignWindowTest, ANotificationSentFromAnotherThreadIsNotRead) {
    CReflectionCounter child;
    ASSERT_TRUE(child.Create(L"", WS_VISIBLE, kSmallRect, &m_parent, kChildId));
    const NMHDR header = {child.m_hWnd, kChildId, static_cast<UINT>(NM_CLICK)};
    const auto send = [&] {
        return ::SendMessageW(m_parent, WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&header));
    };
    send();
    EXPECT_EQ(1, child.m_notifications) << "sent on this thread, it reaches the child it names";
    LRESULT answer = -1;
    RunOnAnotherThread([&] { answer = send(); });
    EXPECT_EQ(0, answer);
    EXPECT_EQ(1, child.m_notifications) << "sent from another thread, it is not read";
}

// Windows refuses to post WM_NOTIFY; Wine posts it, from this thread, another or another program. A posted
// one is never read, whatever its header says.
TEST_F(ForeignWindowTest, APostedNotificationIsNotRead) {
    CReflectionCounter child;
    ASSERT_TRUE(child.Create(L"", WS_VISIBLE, kSmallRect, &m_parent, kChildId));
    const NMHDR header = {child.m_hWnd, kChildId, static_cast<UINT>(NM_CLICK)};
    const auto post = [&] {
        ::PostMessageW(m_parent, WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&header));
    };
    post();
    PumpMessages();
    EXPECT_EQ(0, child.m_notifications) << "posted on this thread";
    RunOnAnotherThread(post);
    PumpMessages();
    EXPECT_EQ(0, child.m_notifications) << "posted from another thread";
}

TEST_F(ForeignWindowTest, ACreationMessageToABoundWindowBindsNothingElse) {
    CWnd decoy;
    CREATESTRUCTW create = {};
    create.lpCreateParams = &decoy;
    create.lpszName = L"";
    m_parent.SendMessage(WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create));
    EXPECT_EQ(&m_parent, CWnd::FromHandlePermanent(m_parent));
    EXPECT_EQ(nullptr, decoy.m_hWnd);
}

} // namespace
