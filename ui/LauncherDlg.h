// The launcher's only window: a frameless modal dialog whose outline and background are the skin.
#pragma once

#include "Framework.h"
#include "UIBuilder.h"

class CLauncherDlg : public CDialog {
public:
    explicit CLauncherDlg(CWnd* pParent = nullptr);
    ~CLauncherDlg() override;

    // Makes the window's region from the skin and records the skin's size.
    CRgn MakeRegionFromBitmap(HBITMAP hSkin);

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Called after each background paint of the skin, so a derived window can draw over it.
    virtual void OnDrawOverlay(CDC* pDC);

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnNcHitTest(CPoint point);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    LRESULT OnStart(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelected(WPARAM wParam, LPARAM lParam);
    // A navigation or new window of a notice pane: cancelled unless it goes to the web.
    void OnPaneNavigation(UINT nID, NMHDR* pHeader, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void CentreOnSkin();

    HICON m_hIcon;
    CUIBuilder m_ui; // owns every control made from the tables
    CRgn m_hSkinRgn; // held only until the window takes it; deleted at once if it does not
    int m_nSkinWidth = 0;
    int m_nSkinHeight = 0;
    CBitmap m_hSkinBitmap;          // kept for every background paint until the window object goes
    bool m_bStartRequested = false; // the patcher is started once per run
};
