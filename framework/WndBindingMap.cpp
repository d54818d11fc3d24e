#include "WndBindingMap.h"

bool CWndBindingMap::Add(HWND hWnd, CWnd* pWnd) {
    ::AcquireSRWLockExclusive(&m_lock);
    const bool added = m_bindings.emplace(hWnd, pWnd).second;
    ::ReleaseSRWLockExclusive(&m_lock);
    return added;
}

void CWndBindingMap::Remove(HWND hWnd) {
    ::AcquireSRWLockExclusive(&m_lock);
    m_bindings.erase(hWnd);
    ::ReleaseSRWLockExclusive(&m_lock);
}

CWnd* CWndBindingMap::Find(HWND hWnd) const {
    ::AcquireSRWLockShared(&m_lock);
    const auto found = m_bindings.find(hWnd);
    CWnd* const pWnd = found != m_bindings.end() ? found->second : nullptr;
    ::ReleaseSRWLockShared(&m_lock);
    return pWnd;
}

CWnd* CWndBindingMap::ExchangePending(Creation kind, CWnd* pWnd) {
    const DWORD thread = ::GetCurrentThreadId();
    ::AcquireSRWLockExclusive(&m_lock);
    PendingCreations& pending = m_pending[thread];
    CWnd*& slot = kind == Creation::Dialog ? pending.dialog : pending.window;
    CWnd* const previous = slot;
    slot = pWnd;
    if (pending.window == nullptr && pending.dialog == nullptr) {
        m_pending.erase(thread);
    }
    ::ReleaseSRWLockExclusive(&m_lock);
    return previous;
}
