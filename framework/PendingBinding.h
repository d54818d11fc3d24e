#pragma once

#include <type_traits>

#include "WinApp.h"

class CDialog;

// The object that the window being created on this thread is to be bound to, recorded only around the
// call that creates it. The creation messages then take their object from here, never from their own
// arguments: another program can send any window WM_NCCREATE or WM_INITDIALOG with any pointer in it.
// T is CWnd for windows of the framework's classes, CDialog for dialog boxes.
template <typename T> class CPendingBinding {
    static_assert(std::is_same_v<T, CWnd> || std::is_same_v<T, CDialog>);

public:
    explicit CPendingBinding(T* pObject) : m_pPrevious(Exchange(pObject)) {}
    ~CPendingBinding() { Exchange(m_pPrevious); }
    CPendingBinding(const CPendingBinding&) = delete;
    CPendingBinding& operator=(const CPendingBinding&) = delete;

    // The pending object, once: a later creation message finds none. Null without an application object,
    // which also means nothing can be bound.
    static T* Take() { return Exchange(nullptr); }

private:
    static T* Exchange(T* pObject) {
        CWinApp* const pApp = AfxGetApp();
        if (pApp == nullptr) {
            return nullptr;
        }
        constexpr auto kind =
            std::is_same_v<T, CDialog> ? CWndBindingMap::Creation::Dialog : CWndBindingMap::Creation::Window;
        return static_cast<T*>(pApp->m_windowBindings.ExchangePending(kind, pObject));
    }

    T* m_pPrevious;
};
