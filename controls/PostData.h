#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>

// The longest body copied: a thousand times what a form on the notice page posts, and no receiver in the
// launcher reads a body at all. A longer one is passed on as no body, so a page cannot make the launcher
// allocate whatever it likes while it handles the event.
constexpr ULONG kMaxPostDataBytes = 1 << 20;

// A private copy of a navigation's POST body.
class CPostDataCopy {
public:
    const BYTE* Data() const { return m_bytes.get(); }
    ULONG Size() const { return m_size; }

private:
    friend CPostDataCopy CopyPostData(const VARIANT* pPostData);

    std::unique_ptr<BYTE[]> m_bytes;
    ULONG m_size = 0;
};

// The bytes of a one-dimensional byte array, reached from the event's argument through any variant
// references. Anything else, an array whose bounds cannot be read, one longer than kMaxPostDataBytes and
// one whose copy cannot be allocated included, is no body: the copy is empty. Nothing is thrown, and the
// array is never left locked.
CPostDataCopy CopyPostData(const VARIANT* pPostData);
