#include "PostData.h"

namespace {

// How far variant references are followed; the control's own nest one or two deep.
constexpr int kMaxReferenceDepth = 4;

} // namespace

std::vector<BYTE> CopyPostData(const VARIANT* pPostData) {
    const VARIANT* value = pPostData;
    for (int depth = 0; value != nullptr && value->vt == (VT_BYREF | VT_VARIANT); ++depth) {
        if (depth == kMaxReferenceDepth) {
            return {};
        }
        value = value->pvarVal;
    }
    if (value == nullptr || value->vt != (VT_ARRAY | VT_UI1) || value->parray == nullptr) {
        return {};
    }
    SAFEARRAY* const array = value->parray;
    LONG lower = 0, upper = -1;
    if (::SafeArrayGetDim(array) != 1 || ::SafeArrayGetElemsize(array) != 1 ||
        FAILED(::SafeArrayGetLBound(array, 1, &lower)) || FAILED(::SafeArrayGetUBound(array, 1, &upper)) ||
        upper < lower) {
        return {};
    }
    void* data = nullptr;
    if (FAILED(::SafeArrayAccessData(array, &data))) {
        return {};
    }
    const BYTE* const bytes = static_cast<const BYTE*>(data);
    std::vector<BYTE> copy(bytes, bytes + (static_cast<size_t>(upper) - static_cast<size_t>(lower) + 1));
    ::SafeArrayUnaccessData(array);
    return copy;
}
