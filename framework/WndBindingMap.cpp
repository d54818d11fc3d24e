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
