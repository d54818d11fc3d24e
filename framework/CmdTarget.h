#pragma once

#include <windows.h>

#include "EventSinkMap.h"
#include "MessageMap.h"

// The header of a WM_NOTIFY, or nullptr when it must not be read: the system passes the pointer between
// processes as it is, so one sent from another thread (perhaps of another program) means nothing here. The
// system tells only whether the message being handled came from another thread, so a notification sent
// on this thread while such a message is handled is not read either.
const NMHDR* AfxNotifyHeader(LPARAM lParam);

class CObject {
public:
    virtual ~CObject() = default;
};

// Anything that answers messages or commands through a message map.
class CCmdTarget : public CObject {
public:
    // Runs the ON_COMMAND / ON_BN_CLICKED entry for this command, if the map chain has one.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);
    // Runs the event sink map's handler of the event dispid of control nCtrlID, most derived class first;
    // DISP_E_MEMBERNOTFOUND when the map has none.
    HRESULT OnEvent(UINT nCtrlID, DISPID dispid, DISPPARAMS* pParams);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const;

    // Calls the first entry of the map chain, most derived class first, that matches the message.
    // TRUE with *pResult set when that entry answered it.
    BOOL DispatchToMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};
