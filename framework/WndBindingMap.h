#pragma once

#include <windows.h>

#include <unordered_map>

class CWnd;

// Which object each window of this process is bound to, and which object the window a thread is creating
// right now is to be bound to. It lives in the process's own memory, so no other program can add to it or
// change it, as it could a window property or a pointer in a creation message. Windows may be bound on any
// thread.
class CWndBindingMap {
public:
    // A thread may create a dialog box whose creation creates a window of a framework class, so each kind
    // of creation has its own record.
    enum class Creation { Window, Dialog };

    CWndBindingMap() = default;
    CWndBindingMap(const CWndBindingMap&) = delete;
    CWndBindingMap& operator=(const CWndBindingMap&) = delete;

    // FALSE when hWnd is bound already.
    bool Add(HWND hWnd, CWnd* pWnd);
    void Remove(HWND hWnd);
    CWnd* Find(HWND hWnd) const;

    // Records pWnd (null: none) as the object of the calling thread's creation of that kind; returns the one
    // recorded before.
    CWnd* ExchangePending(Creation kind, CWnd* pWnd);

private:
    struct PendingCreations {
        CWnd* window = nullptr;
        CWnd* dialog = nullptr;
    };

    mutable SRWLOCK m_lock = SRWLOCK_INIT;
    std::unordered_map<HWND, CWnd*> m_bindings;
    std::unordered_map<DWORD, PendingCreations> m_pending; // by thread id, only while a creation runs
};
