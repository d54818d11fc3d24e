#pragma once

#include <windows.h>

#include "Wnd.h"

// A modal dialog box built from a DIALOG/DIALOGEX template in the application's resources.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Returns the value given to EndDialog, or -1 when the template is missing, the dialog could not be
    // created, or WM_QUIT ended the loop (the WM_QUIT stays queued for the caller's loop).
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Dialog-box keyboard handling; TRUE when the dialog manager consumed the message.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands the dialog leaves unhandled go on to the application object.
    BOOL OnCmdMsg(UINT nID, int nCode) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_endRequested = false;
    int m_nModalResult = -1;
};
