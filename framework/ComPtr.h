#pragma once

#include <unknwn.h>

#include <utility>

// Holds one COM reference and releases it with the object; every COM reference the program keeps is held
// in one of these.
template <typename T> class CComPtr {
public:
    CComPtr() = default;
    // Takes a reference of its own.
    CComPtr(T* p) : m_p(p) {
        if (m_p != nullptr) {
            m_p->AddRef();
        }
    }
    CComPtr(const CComPtr& other) : CComPtr(other.m_p) {}
    CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CComPtr& operator=(CComPtr other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }
    ~CComPtr() { Release(); }

    // Takes over a reference the caller already owns.
    void Attach(T* p) {
        Release();
        m_p = p;
    }
    void Release() {
        if (T* const p = std::exchange(m_p, nullptr)) {
            p->Release();
        }
    }
    // For out-parameters: whatever was held is released first.
    T** operator&() {
        Release();
        return &m_p;
    }
    // Another interface of the same object, as a new reference.
    template <typename Q> HRESULT QueryInterface(CComPtr<Q>& result) const {
        return m_p ? m_p->QueryInterface(__uuidof(Q), reinterpret_cast<void**>(&result)) : E_POINTER;
    }
    // Whether both are the same object, by the identity rule of COM: equal IUnknown pointers.
    // An object that does not answer for IUnknown equals no other.
    bool IsEqualObject(IUnknown* other) const {
        if (m_p == nullptr || other == nullptr) {
            return static_cast<IUnknown*>(m_p) == other;
        }
        CComPtr<IUnknown> mine, theirs;
        QueryInterface(mine);
        CComPtr<IUnknown>(other).QueryInterface(theirs);
        return mine && mine.m_p == theirs.m_p;
    }

    T* operator->() const { return m_p; }
    operator T*() const { return m_p; }

private:
    template <typename> friend class CComPtr;
    T* m_p = nullptr;
};
