#include "PostData.h"

#include <cstring>
#include <new>

namespace {

// How far variant references are followed; the control's own nest one or two deep.
constexpr int kMaxReferenceDepth = 4;

} // namespace

CPostDataCopy CopyPostData(const VARIANT* pPostData) {
    CPostDataCopy copy;
    const VARIANT* value = pPostData;
    for (int depth = 0; value != nullptr && value->vt == (VT_BYREF | VT_VARIANT); ++depth) {
        if (depth == kMaxReferenceDepth) {
            return copy;
        }
        value = value->pvarVal;
    }
    if (value == nullptr || value->vt != (VT_ARRAY | VT_UI1) || value->parray == nullptr) {
        return copy;
    }
    SAFEARRAY* const array = value->parray;
    LONG lower = 0, upper = -1;
    if (::SafeArrayGetDim(array) != 1 || ::SafeArrayGetElemsize(array) != 1 ||
        FAILED(::SafeArrayGetLBound(array, 1, &lower)) || FAILED(::SafeArrayGetUBound(array, 1, &upper)) ||
        upper < lower) {
        return copy;
    }
    const ULONGLONG size = static_cast<ULONGLONG>(static_cast<LONGLONG>(upper) - lower) + 1;
    if (size > kMaxPostDataBytes) {
        return copy;
    }
    std::unique_ptr<BYTE[]> bytes(new (std::nothrow) BYTE[static_cast<size_t>(size)]);
    void* data = nullptr;
    if (!bytes || FAILED(::SafeArrayAccessData(array, &data))) {
        return copy;
    }
    std::memcpy(bytes.get(), data, static_cast<size_t>(size));
    ::SafeArrayUnaccessData(array);
    copy.m_bytes = std::move(bytes);
    copy.m_size = static_cast<ULONG>(size);
    return copy;
}
