#pragma once

#include "AfxIds.h"
#include "MessageMap.h"

// Message map entries with the classic handler signatures. They expand inside BEGIN_MESSAGE_MAP, where
// CDC, CWnd, CWndArg and CPoint are complete.

#define ON_WM_PAINT()                                                                                        \
    AFX_MSG_ENTRY(WM_PAINT, 0, 0, 0, AfxResult::Handled, AFX_INVOKE(&ThisClass::OnPaint, void())(); return 0;)

#define ON_WM_QUERYDRAGICON()                                                                                \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, 0, AfxResult::Handled,                                             \
                  return reinterpret_cast<LRESULT>(AFX_INVOKE(&ThisClass::OnQueryDragIcon, HCURSOR())());)

#define ON_WM_ERASEBKGND()                                                                                   \
    AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, 0, AfxResult::Handled, CDC dc(reinterpret_cast<HDC>(wParam));         \
                  return AFX_INVOKE(&ThisClass::OnEraseBkgnd, BOOL(CDC*))(&dc);)

#define ON_WM_NCHITTEST()                                                                                    \
    AFX_MSG_ENTRY(WM_NCHITTEST, 0, 0, 0, AfxResult::Handled,                                                 \
                  return AFX_INVOKE(&ThisClass::OnNcHitTest, LRESULT(CPoint))(CPoint(lParam));)

// The CTLCOLOR_* kinds follow the order of the WM_CTLCOLOR* messages.
#define AFX_ON_CTLCOLOR_KIND(kind)                                                                           \
    AFX_MSG_ENTRY(WM_CTLCOLORMSGBOX + (kind), 0, 0, 0, AfxResult::Handled,                                   \
                  CDC dc(reinterpret_cast<HDC>(wParam));                                                     \
                  CWndArg wnd(reinterpret_cast<HWND>(lParam)); return reinterpret_cast<LRESULT>(             \
                      AFX_INVOKE(&ThisClass::OnCtlColor, HBRUSH(CDC*, CWnd*, UINT))(&dc, wnd.Get(), kind));)

#define ON_WM_CTLCOLOR()                                                                                     \
    AFX_ON_CTLCOLOR_KIND(CTLCOLOR_MSGBOX)                                                                    \
    AFX_ON_CTLCOLOR_KIND(CTLCOLOR_EDIT)                                                                      \
    AFX_ON_CTLCOLOR_KIND(CTLCOLOR_LISTBOX)                                                                   \
    AFX_ON_CTLCOLOR_KIND(CTLCOLOR_BTN)                                                                       \
    AFX_ON_CTLCOLOR_KIND(CTLCOLOR_DLG)                                                                       \
    AFX_ON_CTLCOLOR_KIND(CTLCOLOR_SCROLLBAR)                                                                 \
    AFX_ON_CTLCOLOR_KIND(CTLCOLOR_STATIC)

// A null brush from the child leaves the colours to the parent.
#define AFX_ON_CTLCOLOR_REFLECT_KIND(kind)                                                                   \
    AFX_MSG_ENTRY(                                                                                           \
        WM_REFLECT_BASE + WM_CTLCOLORMSGBOX + (kind), 0, 0, 0, AfxResult::HandledIfNonZero,                  \
        CDC dc(reinterpret_cast<HDC>(wParam));                                                               \
        return reinterpret_cast<LRESULT>(AFX_INVOKE(&ThisClass::CtlColor, HBRUSH(CDC*, UINT))(&dc, kind));)

#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    AFX_ON_CTLCOLOR_REFLECT_KIND(CTLCOLOR_MSGBOX)                                                            \
    AFX_ON_CTLCOLOR_REFLECT_KIND(CTLCOLOR_EDIT)                                                              \
    AFX_ON_CTLCOLOR_REFLECT_KIND(CTLCOLOR_LISTBOX)                                                           \
    AFX_ON_CTLCOLOR_REFLECT_KIND(CTLCOLOR_BTN)                                                               \
    AFX_ON_CTLCOLOR_REFLECT_KIND(CTLCOLOR_DLG)                                                               \
    AFX_ON_CTLCOLOR_REFLECT_KIND(CTLCOLOR_SCROLLBAR)                                                         \
    AFX_ON_CTLCOLOR_REFLECT_KIND(CTLCOLOR_STATIC)

#define ON_WM_SIZE()                                                                                         \
    AFX_MSG_ENTRY(WM_SIZE, 0, 0, 0, AfxResult::Handled,                                                      \
                  AFX_INVOKE(&ThisClass::OnSize, void(UINT, int, int))(static_cast<UINT>(wParam),            \
                                                                       LOWORD(lParam), HIWORD(lParam));      \
                  return 0;)

#define ON_WM_DESTROY()                                                                                      \
    AFX_MSG_ENTRY(WM_DESTROY, 0, 0, 0, AfxResult::Handled, AFX_INVOKE(&ThisClass::OnDestroy, void())();      \
                  return 0;)

#define ON_WM_TIMER()                                                                                        \
    AFX_MSG_ENTRY(WM_TIMER, 0, 0, 0, AfxResult::Handled,                                                     \
                  AFX_INVOKE(&ThisClass::OnTimer, void(UINT_PTR))(static_cast<UINT_PTR>(wParam));            \
                  return 0;)

#define ON_WM_MOUSEMOVE()                                                                                    \
    AFX_MSG_ENTRY(                                                                                           \
        WM_MOUSEMOVE, 0, 0, 0, AfxResult::Handled,                                                           \
        AFX_INVOKE(&ThisClass::OnMouseMove, void(UINT, CPoint))(static_cast<UINT>(wParam), CPoint(lParam));  \
        return 0;)

#define ON_WM_MOUSELEAVE()                                                                                   \
    AFX_MSG_ENTRY(WM_MOUSELEAVE, 0, 0, 0, AfxResult::Handled,                                                \
                  AFX_INVOKE(&ThisClass::OnMouseLeave, void())();                                            \
                  return 0;)

#define ON_WM_SYSCOLORCHANGE()                                                                               \
    AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, 0, 0, 0, AfxResult::Handled,                                            \
                  AFX_INVOKE(&ThisClass::OnSysColorChange, void())();                                        \
                  return 0;)

#define ON_WM_ENABLE()                                                                                       \
    AFX_MSG_ENTRY(WM_ENABLE, 0, 0, 0, AfxResult::Handled,                                                    \
                  AFX_INVOKE(&ThisClass::OnEnable, void(BOOL))(static_cast<BOOL>(wParam));                   \
                  return 0;)

#define ON_WM_KILLFOCUS()                                                                                    \
    AFX_MSG_ENTRY(WM_KILLFOCUS, 0, 0, 0, AfxResult::Handled, CWndArg wnd(reinterpret_cast<HWND>(wParam));    \
                  AFX_INVOKE(&ThisClass::OnKillFocus, void(CWnd*))(wnd.Get()); return 0;)

#define ON_WM_ACTIVATE()                                                                                     \
    AFX_MSG_ENTRY(WM_ACTIVATE, 0, 0, 0, AfxResult::Handled, CWndArg wnd(reinterpret_cast<HWND>(lParam));     \
                  AFX_INVOKE(&ThisClass::OnActivate, void(UINT, CWnd*, BOOL))(LOWORD(wParam), wnd.Get(),     \
                                                                              HIWORD(wParam) != 0);          \
                  return 0;)

#define ON_WM_CANCELMODE()                                                                                   \
    AFX_MSG_ENTRY(WM_CANCELMODE, 0, 0, 0, AfxResult::Handled,                                                \
                  AFX_INVOKE(&ThisClass::OnCancelMode, void())();                                            \
                  return 0;)

#define ON_WM_GETDLGCODE()                                                                                   \
    AFX_MSG_ENTRY(WM_GETDLGCODE, 0, 0, 0, AfxResult::Handled,                                                \
                  return static_cast<LRESULT>(AFX_INVOKE(&ThisClass::OnGetDlgCode, UINT())());)

#define ON_MESSAGE(message, memberFxn)                                                                       \
    AFX_MSG_ENTRY(message, 0, 0, 0, AfxResult::Handled,                                                      \
                  return AFX_INVOKE(memberFxn, LRESULT(WPARAM, LPARAM))(wParam, lParam);)

// Menu commands arrive with notification code 0, the same value as BN_CLICKED.
#define ON_COMMAND(id, memberFxn)                                                                            \
    AFX_MSG_ENTRY(WM_COMMAND, 0, id, id, AfxResult::Handled, AFX_INVOKE(memberFxn, void())(); return 0;)

#define ON_BN_CLICKED(id, memberFxn)                                                                         \
    AFX_MSG_ENTRY(WM_COMMAND, BN_CLICKED, id, id, AfxResult::Handled, AFX_INVOKE(memberFxn, void())();       \
                  return 0;)

// A WM_NOTIFY with this code from a control whose id lies in [id, lastId]; the handler sets the answer in
// *pResult, which starts at 0. The map reaches it only with a header that may be read.
#define ON_NOTIFY_RANGE(code, id, lastId, memberFxn)                                                         \
    AFX_MSG_ENTRY(WM_NOTIFY, code, id, lastId, AfxResult::Handled,                                           \
                  auto* const header = reinterpret_cast<NMHDR*>(lParam);                                     \
                  LRESULT result = 0; AFX_INVOKE(memberFxn, void(UINT, NMHDR*, LRESULT*))(                   \
                      static_cast<UINT>(header->idFrom), header, &result);                                   \
                  return result;)

// The handler's FALSE lets the parent handle the notification as well.
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                               \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxResult::HandledIfNonZero,                     \
                  return AFX_INVOKE(memberFxn, BOOL())();)
