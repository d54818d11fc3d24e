#pragma once

#include <windows.h>

#include "CmdTarget.h"
#include "GdiObjects.h"
#include "Geometry.h"
#include "MessageMapEntries.h"
#include "WideString.h"

class CDC;

// A window object. One made with CreateEx/Create or SubclassWindow is bound to its window: it receives the
// window's messages through its message map until WM_NCDESTROY, and destroys the window if it is deleted
// first. One made with CWnd(HWND) is a plain view of a handle and never destroys it.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object bound to hWnd, or nullptr: for a window of another thread, of another process or of no
    // object of this framework.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Windows of a class from AfxRegisterWndClass are bound from WM_NCCREATE on; windows of any other class
    // are subclassed right after creation. With a parent and without WS_POPUP, WS_CHILD is added.
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID);
    // Binds the object to a window of this thread that the framework did not create from its own class,
    // by putting the framework's procedure in place of the window's own; the window's procedure then does
    // the default processing. At WM_NCDESTROY that procedure is put back, unless another subclass has
    // replaced ours since.
    BOOL SubclassWindow(HWND hWnd);
    BOOL DestroyWindow();

    // Runs once when the object is bound, before it sees any message of the window.
    virtual void PreSubclassWindow();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to PreTranslateMessage of the bound objects from its target window up through the parents,
    // ending with hWndStop; TRUE once one of them consumed it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    HWND GetParentHwnd() const;
    HWND GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    BOOL MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    BOOL MoveWindow(const RECT& rect, BOOL bRepaint = TRUE);
    void GetWindowRect(LPRECT lpRect) const;
    // The window rectangle in the client coordinates of the window's parent.
    CRect GetWindowRectInParent() const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void SetWindowText(LPCWSTR lpszString);
    void GetWindowText(CString& rString) const;
    void Invalidate(BOOL bErase = TRUE);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsIconic() const;
    BOOL IsWindowVisible() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    // The system takes the region when this succeeds; otherwise it is deleted here.
    int SetWindowRgn(CRgn region, BOOL bRedraw);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    DWORD GetStyle() const;
    // FALSE when the style already was as asked. Non-zero nFlags also apply the change with SetWindowPos.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    // Asks for one WM_MOUSELEAVE when the pointer leaves the client area.
    BOOL TrackMouseLeave();
    // Sends the message to every child window, and with bDeep to their own children too, each before its
    // children.
    void SendMessageToChildren(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = FALSE);
    // A null caption means the application's name.
    int MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption = nullptr, UINT nType = MB_OK);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Reflects control notifications to the control's object first, then runs this object's map.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The control side of reflection: runs the WM_REFLECT_BASE + message entry of this object's map.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Runs after WM_NCDESTROY, once the object is no longer bound; an object may delete itself here.
    virtual void PostNcDestroy();
    // Default processing of the message being handled.
    LRESULT Default();

    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnSysColorChange();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnCancelMode();
    afx_msg UINT OnGetDlgCode();

    DECLARE_MESSAGE_MAP()

private:
    enum class Binding { None, WindowClass, Subclass };

    friend LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon);
    static LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassedWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static bool IsFrameworkClass(LPCWSTR lpszClassName);

    // false without an application object, or when hWnd is bound already.
    bool Bind(HWND hWnd, Binding binding);
    // Removes the binding and, for a subclassed window, puts back the procedure ours replaced.
    void Unbind();
    // Keeps the message current for Default() while WindowProc runs, and unbinds after WM_NCDESTROY.
    LRESULT RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    Binding m_binding = Binding::None;
    // The procedure that had the window before our subclass: default processing goes on there.
    WNDPROC m_pfnSuper = nullptr;
    MSG m_currentMsg = {};
};

// Registers, or finds already registered, a window class whose messages go to the bound CWnd, and returns
// its name; nullptr without an application object or when registration fails.
LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);

// A handler's CWnd* argument: the window's bound object, else a view that lives as long as this; nullptr
// for a null handle.
class CWndArg {
public:
    explicit CWndArg(HWND hWnd);
    CWndArg(const CWndArg&) = delete;
    CWndArg& operator=(const CWndArg&) = delete;

    CWnd* Get() const { return m_pWnd; }

private:
    CWnd m_view;
    CWnd* m_pWnd;
};
