#include "CmdTarget.h"

#include <commctrl.h>

#include "AfxIds.h"

namespace {

// What an entry must match besides the message number.
struct MessageKey {
    bool hasCode;
    bool hasId;
    UINT code;
    UINT id;
};

// Only for a notification whose header may be read.
MessageKey KeyOf(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (message) {
    case WM_COMMAND:
        return {true, true, HIWORD(wParam), LOWORD(wParam)};
    case WM_NOTIFY:
        return {true, true, header->code, static_cast<UINT>(header->idFrom)};
    case WM_REFLECT_BASE + WM_COMMAND:
        return {true, false, HIWORD(wParam), 0};
    case WM_REFLECT_BASE + WM_NOTIFY:
        return {true, false, header->code, 0};
    default:
        return {false, false, 0, 0};
    }
}

bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT message, const MessageKey& key) {
    return entry.nMessage == message && (!key.hasCode || entry.nCode == key.code) &&
           (!key.hasId || (entry.nID <= key.id && key.id <= entry.nLastID));
}

} // namespace

const NMHDR* AfxNotifyHeader(LPARAM lParam) {
    return lParam != 0 && !::InSendMessage() ? reinterpret_cast<const NMHDR*>(lParam) : nullptr;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static constexpr AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxResult::Handled, nullptr}};
    static constexpr AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_EVENTSINKMAP* CCmdTarget::GetThisEventSinkMap() {
    static constexpr AFX_EVENTSINKMAP_ENTRY entries[] = {{0, 0, nullptr}};
    static constexpr AFX_EVENTSINKMAP eventSinkMap = {nullptr, entries};
    return &eventSinkMap;
}

const AFX_EVENTSINKMAP* CCmdTarget::GetEventSinkMap() const {
    return GetThisEventSinkMap();
}

HRESULT CCmdTarget::OnEvent(UINT nCtrlID, DISPID dispid, DISPPARAMS* pParams) {
    for (const AFX_EVENTSINKMAP* map = GetEventSinkMap(); map != nullptr;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (entry->nCtrlID == nCtrlID && entry->dispid == dispid) {
                return entry->pfn(this, pParams);
            }
        }
    }
    return DISP_E_MEMBERNOTFOUND;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
    LRESULT ignored = 0;
    return DispatchToMessageMap(WM_COMMAND, MAKEWPARAM(nID, nCode), 0, &ignored);
}

BOOL CCmdTarget::DispatchToMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const bool isNotify = message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_NOTIFY;
    if (isNotify && AfxNotifyHeader(lParam) == nullptr) {
        return FALSE;
    }
    const MessageKey key = KeyOf(message, wParam, lParam);
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (!Matches(*entry, message, key)) {
                continue;
            }
            const LRESULT result = entry->pfn(this, wParam, lParam);
            if (entry->result == AfxResult::HandledIfNonZero && result == 0) {
                return FALSE;
            }
            *pResult = result;
            return TRUE;
        }
    }
    return FALSE;
}
