#pragma once

// The object that the window being created on this thread is to be bound to, set only around the call that
// creates it. The creation messages then take their object from here, never from their own arguments:
// another program can send any window WM_NCCREATE or WM_INITDIALOG with any pointer in it.
template <typename T> class CPendingBinding {
public:
    explicit CPendingBinding(T* pObject) : m_pPrevious(s_pPending) { s_pPending = pObject; }
    ~CPendingBinding() { s_pPending = m_pPrevious; }
    CPendingBinding(const CPendingBinding&) = delete;
    CPendingBinding& operator=(const CPendingBinding&) = delete;

    // The pending object, once: a later creation message finds none.
    static T* Take() {
        T* const pObject = s_pPending;
        s_pPending = nullptr;
        return pObject;
    }

private:
    static inline thread_local T* s_pPending = nullptr;
    T* m_pPrevious;
};
