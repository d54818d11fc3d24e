#pragma once

// A mix-in that links objects of T into a doubly linked chain through the objects themselves. The chain
// owns nothing: whoever owns the objects keeps them alive.
template <typename T> class CLinkedList {
public:
    T* m_pPrev = nullptr;
    T* m_pNext = nullptr;

    // Links pItem after the last member of the chain that starts at pHead. An item already in that chain
    // stays where it is, so the chain never turns into a ring.
    static void AppendToGroup(T* pHead, T* pItem) {
        CLinkedList* last = pHead;
        for (;;) {
            if (last == pItem) {
                return;
            }
            if (last->m_pNext == nullptr) {
                break;
            }
            last = last->m_pNext;
        }
        last->m_pNext = pItem;
        static_cast<CLinkedList*>(pItem)->m_pPrev = static_cast<T*>(last);
    }
};
