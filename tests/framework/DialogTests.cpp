#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestApplication.h"
#include "TestResourceIds.h"
#include "TestWindows.h"

// Each test that shows a dialog takes about two seconds under Wine on a display without a window manager:
// hiding a captioned window waits that long for the X server. Windows has no such delay.

namespace {

constexpr UINT WM_END_WITH_42 = WM_APP + 1;

using Log = std::vector<std::string>;

// The dialog's edit box, noting which of its hooks saw WM_KEYDOWN.
class CKeyRecorder : public CWnd {
public:
    explicit CKeyRecorder(Log& log) : m_log(log) {}

    bool m_consumeKeys = false;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message != WM_KEYDOWN) {
            return FALSE;
        }
        m_log.push_back("edit PreTranslateMessage");
        return m_consumeKeys;
    }

protected:
    afx_msg LRESULT OnKeyDown(WPARAM, LPARAM) {
        m_log.push_back("edit WM_KEYDOWN");
        return Default();
    }

    DECLARE_MESSAGE_MAP()

private:
    Log& m_log;
};

BEGIN_MESSAGE_MAP(CKeyRecorder, CWnd)
ON_MESSAGE(WM_KEYDOWN, &CKeyRecorder::OnKeyDown)
END_MESSAGE_MAP()

// A dialog whose OnInitDialog runs a script given by the test.
class CScriptedDialog : public CDialog {
public:
    using Script = std::function<void(CScriptedDialog&)>;

    explicit CScriptedDialog(Script script, UINT nIDTemplate = IDD_TEST_DIALOG, CWnd* pParentWnd = nullptr)
        : CDialog(nIDTemplate, pParentWnd), m_script(std::move(script)) {}

    Log m_log;
    CKeyRecorder m_edit{m_log};
    int m_endMessages = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_edit.SubclassWindow(GetDlgItem(IDC_TEST_EDIT));
        m_script(*this);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) {
            m_log.push_back("dialog PreTranslateMessage");
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    afx_msg LRESULT OnEndWith42(WPARAM, LPARAM) {
        ++m_endMessages;
        EndDialog(42);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    Script m_script;
};

BEGIN_MESSAGE_MAP(CScriptedDialog, CDialog)
ON_MESSAGE(WM_END_WITH_42, &CScriptedDialog::OnEndWith42)
END_MESSAGE_MAP()

// Notes its initialisation and every request that makes it visible.
class CShowRecorder : public CScriptedDialog {
public:
    using CScriptedDialog::CScriptedDialog;

    BOOL OnInitDialog() override {
        m_log.push_back("OnInitDialog");
        return CScriptedDialog::OnInitDialog();
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SHOWWINDOW && wParam != FALSE) {
            m_log.push_back("WM_SHOWWINDOW");
        } else if (message == WM_WINDOWPOSCHANGED &&
                   (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
            m_log.push_back("WM_WINDOWPOSCHANGED shown");
        }
        return CScriptedDialog::WindowProc(message, wParam, lParam);
    }
};

TEST(DialogTest, DoModalShowsTheDialogOnceAfterItsInitialisationAndReturnsTheValueGivenToEndDialog) {
    CShowRecorder dialog([](CScriptedDialog& dlg) { ::PostMessageW(dlg, WM_END_WITH_42, 0, 0); },
                         IDD_VISIBLE_DIALOGEX);
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ((Log{"OnInitDialog", "WM_SHOWWINDOW", "WM_WINDOWPOSCHANGED shown"}), dialog.m_log);
}

// A dialog that ends while it initialises (the launcher's "UI Load Error!") never shows, not even for a
// moment, though its template asks for it to be visible; both template forms keep that style in a place
// of their own.
TEST(DialogTest, EndDialogDuringInitialisationEndsAtOnceUnseen) {
    for (const UINT nIDTemplate : {IDD_VISIBLE_DIALOGEX, IDD_VISIBLE_DIALOG}) {
        SCOPED_TRACE(nIDTemplate);
        CShowRecorder dialog(
            [](CScriptedDialog& dlg) {
                ::PostMessageW(dlg, WM_END_WITH_42, 0, 0);
                dlg.EndDialog(7);
            },
            nIDTemplate);
        EXPECT_EQ(7, dialog.DoModal());
        EXPECT_EQ(0, dialog.m_endMessages);
        EXPECT_EQ(Log{"OnInitDialog"}, dialog.m_log);
    }
}

TEST(DialogTest, ButtonsAndClosingEndTheDialogThroughTheBaseMap) {
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        INT_PTR expectedResult;
    } cases[] = {
        {"OK", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK},
        {"Cancel", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), IDCANCEL},
        {"WM_CLOSE", WM_CLOSE, 0, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedDialog dialog([&c](CScriptedDialog& dlg) { ::PostMessageW(dlg, c.message, c.wParam, 0); });
        EXPECT_EQ(c.expectedResult, dialog.DoModal());
    }
}

TEST(DialogTest, MissingTemplateGivesMinusOne) {
    CScriptedDialog dialog([](CScriptedDialog&) {}, IDD_MISSING_DIALOG);
    EXPECT_EQ(-1, dialog.DoModal());
}

TEST(DialogTest, ParentIsDisabledOnlyWhileTheDialogRuns) {
    CWnd parent;
    ASSERT_TRUE(CreateFrameworkPopup(parent));
    BOOL enabledDuringDialog = TRUE;
    CScriptedDialog dialog(
        [&](CScriptedDialog& dlg) {
            enabledDuringDialog = ::IsWindowEnabled(parent);
            ::PostMessageW(dlg, WM_END_WITH_42, 0, 0);
        },
        IDD_TEST_DIALOG, &parent);
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_FALSE(enabledDuringDialog);
    EXPECT_TRUE(::IsWindowEnabled(parent));
}

TEST(DialogTest, KeysAreOfferedToTheControlThenTheDialogBeforeTheDialogManager) {
    const struct {
        bool editConsumes;
        Log expectedLog;
    } cases[] = {
        {false, {"edit PreTranslateMessage", "dialog PreTranslateMessage", "edit WM_KEYDOWN"}},
        {true, {"edit PreTranslateMessage"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.editConsumes);
        CScriptedDialog dialog([&c](CScriptedDialog& dlg) {
            dlg.m_edit.m_consumeKeys = c.editConsumes;
            ::PostMessageW(dlg.m_edit, WM_KEYDOWN, 'A', 1);
            ::PostMessageW(dlg, WM_END_WITH_42, 0, 0);
        });
        EXPECT_EQ(42, dialog.DoModal());
        EXPECT_EQ(c.expectedLog, dialog.m_log);
    }
}

TEST(DialogTest, QuitRequestEndsTheLoopAndStaysQueued) {
    CScriptedDialog dialog([](CScriptedDialog&) { ::PostQuitMessage(5); });
    EXPECT_EQ(-1, dialog.DoModal());

    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, msg.wParam);
}

TEST(DialogTest, CommandsTheDialogLeavesUnhandledReachTheApplication) {
    const int before = TestApp().m_appCommandCount;
    CScriptedDialog dialog([](CScriptedDialog& dlg) {
        ::PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(ID_TEST_APP_COMMAND, 0), 0);
        ::PostMessageW(dlg, WM_END_WITH_42, 0, 0);
    });
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_EQ(before + 1, TestApp().m_appCommandCount);
}

} // namespace
