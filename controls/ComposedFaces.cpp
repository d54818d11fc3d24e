#include "ComposedFaces.h"

#include <utility>

unsigned CComposedFaces::Look(BOOL bPressed, BOOL bHover, BOOL bFocused, BOOL bDisabled) {
    return (bPressed ? 1u : 0u) | (bHover ? 2u : 0u) | (bFocused ? 4u : 0u) | (bDisabled ? 8u : 0u);
}

CBitmapDC* CComposedFaces::Find(unsigned nLook, const CRect& rcItem) {
    CBitmapDC& face = m_faces[nLook % kLookCount];
    return face.IsValid() && ::EqualRect(&m_rcItem, &rcItem) ? &face : nullptr;
}

void CComposedFaces::Keep(unsigned nLook, const CRect& rcItem, CBitmapDC face) {
    if (!::EqualRect(&m_rcItem, &rcItem)) {
        Clear();
        m_rcItem = rcItem;
    }
    m_faces[nLook % kLookCount] = std::move(face);
}

void CComposedFaces::Clear() {
    for (CBitmapDC& face : m_faces) {
        face = CBitmapDC();
    }
}
