#pragma once

#include <windows.h>

#include <unordered_map>

class CWnd;

// Which object each window of this process is bound to. It lives in the process's own memory, so no other
// program can add to it or change it, as it could a window property. Windows may be bound on any thread.
class CWndBindingMap {
public:
    CWndBindingMap() = default;
    CWndBindingMap(const CWndBindingMap&) = delete;
    CWndBindingMap& operator=(const CWndBindingMap&) = delete;

    // FALSE when hWnd is bound already.
    bool Add(HWND hWnd, CWnd* pWnd);
    void Remove(HWND hWnd);
    CWnd* Find(HWND hWnd) const;

private:
    mutable SRWLOCK m_lock = SRWLOCK_INIT;
    std::unordered_map<HWND, CWnd*> m_bindings;
};
