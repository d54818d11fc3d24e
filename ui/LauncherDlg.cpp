#include "LauncherDlg.h"

#include "BrowserFeatures.h"
#include "LauncherMessages.h"
#include "LauncherTitle.h"
#include "PatcherLaunch.h"
#include "SkinImage.h"
#include "SkinRegion.h"
#include "WebAddress.h"
#include "resource.h"

#include <utility>

BEGIN_MESSAGE_MAP(CLauncherDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDOK, &CLauncherDlg::OnOK)
ON_BN_CLICKED(IDCANCEL, &CLauncherDlg::OnCancel)
ON_WM_ERASEBKGND()
ON_WM_NCHITTEST()
ON_WM_CTLCOLOR()
ON_WM_ACTIVATE()
ON_MESSAGE(LM_START, &CLauncherDlg::OnStart)
ON_MESSAGE(LM_SELECTED, &CLauncherDlg::OnSelected)
ON_NOTIFY_RANGE(BRN_BEFORENAVIGATE2, 0, 0xFFFF, &CLauncherDlg::OnPaneNavigation)
ON_NOTIFY_RANGE(BRN_NEWWINDOW3, 0, 0xFFFF, &CLauncherDlg::OnPaneNavigation)
END_MESSAGE_MAP()

CLauncherDlg::CLauncherDlg(CWnd* pParent)
    : CDialog(IDD_LAUNCHER_DIALOG, pParent),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CLauncherDlg::~CLauncherDlg() = default;

BOOL CLauncherDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(kLauncherTitle);

    // Before any browser pane exists, so the control sees its switches when it is created.
    ApplyBrowserFeatureSettings();

    m_hSkinBitmap = LoadSkinImage();
    if (m_hSkinBitmap.GetSafeHandle() == nullptr) {
        return FALSE;
    }

    m_hSkinRgn = MakeRegionFromBitmap(m_hSkinBitmap);
    if (m_hSkinRgn.GetSafeHandle() == nullptr) {
        MessageBox(L"Failed to make rgn from bitmap", nullptr, MB_OK);
        return FALSE;
    }
    CentreOnSkin();
    // The window owns the region from here on; one it refuses goes with the call.
    SetWindowRgn(std::move(m_hSkinRgn), TRUE);

    m_ui.SetTables(g_ButtonItems, g_RadioItems, g_BrowserItems, g_ProgressItems, g_EditItems);
    if (!m_ui.Build(this)) {
        AfxMessageBox(L"UI Load Error!", MB_ICONEXCLAMATION);
        EndDialog(0);
    }
    return TRUE;
}

CRgn CLauncherDlg::MakeRegionFromBitmap(HBITMAP hSkin) {
    return MakeSkinRegion(hSkin, m_nSkinWidth, m_nSkinHeight);
}

// Keeps the centre the template's DS_CENTER gave the window and takes the skin's size around it.
void CLauncherDlg::CentreOnSkin() {
    CRect window;
    GetWindowRect(&window);
    const int centreX = (window.left + window.right) / 2;
    const int centreY = (window.top + window.bottom) / 2;
    const int halfWidth = m_nSkinWidth / 2;
    const int halfHeight = m_nSkinHeight / 2;
    MoveWindow(centreX - halfWidth, centreY - halfHeight, 2 * halfWidth, 2 * halfHeight, TRUE);
}

BOOL CLauncherDlg::PreTranslateMessage(MSG* pMsg) {
    // Enter and Escape must neither press a button nor close the launcher.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        pMsg->wParam = 0;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CLauncherDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    CRect client;
    GetClientRect(&client);
    dc.DrawIcon((client.Width() - iconWidth + 1) / 2, (client.Height() - iconHeight + 1) / 2, m_hIcon);
}

HCURSOR CLauncherDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

BOOL CLauncherDlg::OnEraseBkgnd(CDC* pDC) {
    BITMAP skin = {};
    ::GetObjectW(m_hSkinBitmap, sizeof skin, &skin);

    CMemoryDC skinDc(pDC->GetSafeHdc());
    if (!skinDc.IsValid()) {
        return CDialog::OnEraseBkgnd(pDC);
    }
    {
        const CSelectObjectScope selectSkin(skinDc, m_hSkinBitmap);
        if (!selectSkin.Succeeded()) {
            return CDialog::OnEraseBkgnd(pDC);
        }
        // Only what is invalid is copied: a button that lights up erases its own small rectangle, not
        // the whole skin.
        RECT invalid = {};
        ::GetClipBox(pDC->GetSafeHdc(), &invalid);
        const RECT whole = {0, 0, skin.bmWidth, skin.bmHeight};
        RECT copy = {};
        if (::IntersectRect(&copy, &invalid, &whole)) {
            pDC->BitBlt(copy.left, copy.top, copy.right - copy.left, copy.bottom - copy.top, &skinDc,
                        copy.left, copy.top, SRCCOPY);
        }
    }
    OnDrawOverlay(pDC);
    return TRUE;
}

void CLauncherDlg::OnDrawOverlay(CDC*) {}

// The whole skin acts as a caption, so the player can drag the window from any point of it.
LRESULT CLauncherDlg::OnNcHitTest(CPoint) {
    return HTCAPTION;
}

HBRUSH CLauncherDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    m_ui.OnCtlColorHook(pWnd, pDC, nCtlColor, brush);
    return brush;
}

// Child windows are never told of activation, yet a button lit under a resting pointer must go dark
// when the player switches to another program.
void CLauncherDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CDialog::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE) {
        SendMessageToChildren(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, bMinimized), 0);
    }
}

// A second request can come before the window ends: a double click posts two, and the shell's start of the
// patcher may show a prompt whose modal loop dispatches the other. Only the first starts the patcher.
LRESULT CLauncherDlg::OnStart(WPARAM, LPARAM) {
    if (!m_bStartRequested) {
        m_bStartRequested = true;
        LaunchPatcher(GetSafeHwnd());
    }
    EndDialog(0);
    return 0;
}

LRESULT CLauncherDlg::OnSelected(WPARAM, LPARAM) {
    return 0;
}

// The notice page comes over the network: whoever answers in its place must not send the pane to a file, a
// program or any other handler of the player's machine. Only a notification from one of our own panes
// carries a BROWSER_NOTIFY; any other is left unanswered.
void CLauncherDlg::OnPaneNavigation(UINT, NMHDR* pHeader, LRESULT* pResult) {
    if (m_ui.IsBrowser(pHeader->hwndFrom)) {
        *pResult = IsWebAddress(reinterpret_cast<const BROWSER_NOTIFY*>(pHeader)->url) ? 0 : 1;
    }
}
