// The faces a button has already composed, one for each look it has shown. Hovering over a button and
// leaving it again then costs one copy of a finished face instead of background, mask, image and caption.
#pragma once

#include "Framework.h"

class CComposedFaces {
public:
    // The key of a look: the states that change what the face shows while nothing else changes.
    static unsigned Look(BOOL bPressed, BOOL bHover, BOOL bFocused, BOOL bDisabled);

    // The face kept for nLook at the size of rcItem; null when there is none.
    CBitmapDC* Find(unsigned nLook, const CRect& rcItem);
    // Keeps face for nLook; a face of another size than those kept before replaces them all.
    void Keep(unsigned nLook, const CRect& rcItem, CBitmapDC face);
    void Clear();

private:
    static constexpr unsigned kLookCount = 16;

    CRect m_rcItem;
    CBitmapDC m_faces[kLookCount];
};
