#include "ButtonST.h"

#include <utility>

namespace {

CRect Offset(const CRect& rect, int dx, int dy) {
    return CRect(rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy);
}

} // namespace

void CButtonST::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const UINT state = lpDrawItemStruct->itemState;
    m_bPressed = (state & ODS_SELECTED) != 0 || (m_bCheckMode && m_bChecked);
    m_bFocused = (state & ODS_FOCUS) != 0;
    m_bDisabled = (state & ODS_DISABLED) != 0;

    const CRect item(lpDrawItemStruct->rcItem);
    CDC target(lpDrawItemStruct->hDC);
    const unsigned look = CComposedFaces::Look(m_bPressed, m_bHover, m_bFocused, m_bDisabled);
    if (CBitmapDC* const composed = m_composedFaces.Find(look, item)) {
        target.BitBlt(item.left, item.top, item.Width(), item.Height(), composed, item.left, item.top,
                      SRCCOPY);
        return;
    }
    // The face is composed off screen and copied in one block, so the screen never shows it half drawn
    // (the mask's black before the image lands on it).
    CBitmapDC buffer(target, item.right, item.bottom);
    if (!buffer.IsValid()) {
        DrawFace(&target, item);
        return;
    }
    {
        const CSelectObjectScope selectFont(buffer, ::GetCurrentObject(target, OBJ_FONT));
        DrawFace(&buffer, item);
    }
    target.BitBlt(item.left, item.top, item.Width(), item.Height(), &buffer, item.left, item.top, SRCCOPY);
    // A face over a background the parent could not give is drawn again next time.
    if (!m_bParentBackground || m_dcBackground.IsValid()) {
        m_composedFaces.Keep(look, item, std::move(buffer));
    }
}

void CButtonST::DrawFace(CDC* pDC, const CRect& rcItem) {
    pDC->SetBkMode(TRANSPARENT);
    if (m_bParentBackground) {
        PaintParentBackground(pDC);
    } else {
        FillFaceBackground(pDC, rcItem);
    }
    if (m_bFlatLook && m_bHoverFrame && (m_bPressed || m_bHover)) {
        FrameFace(pDC, rcItem);
    }

    CString caption;
    GetWindowText(caption);
    CRect captionRect = rcItem;
    if (HasFace(kHoverFace)) {
        pDC->SetBkColor(RGB(255, 255, 255));
        pDC->SetTextColor(RGB(0, 0, 0));
        PaintFaceImage(pDC, !caption.IsEmpty(), rcItem, captionRect, m_bPressed, m_bDisabled);
    }
    if (!caption.IsEmpty()) {
        DrawCaption(pDC, caption, captionRect);
    }
}

void CButtonST::PaintParentBackground(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    if (!m_dcBackground.IsValid()) {
        TakeBackgroundSnapshot(client);
    }
    if (m_dcBackground.IsValid()) {
        pDC->BitBlt(0, 0, client.Width(), client.Height(), &m_dcBackground, 0, 0, SRCCOPY);
    }
}

// Copies what the parent shows under the button; only the first paint after a drop needs the parent.
void CButtonST::TakeBackgroundSnapshot(const CRect& client) {
    CWnd parent(GetParentHwnd());
    CClientDC parentDC(&parent);
    const CRect window = GetWindowRectInParent();
    m_dcBackground = CBitmapDC(parentDC, client.Width(), client.Height());
    if (m_dcBackground.IsValid()) {
        m_dcBackground.BitBlt(0, 0, client.Width(), client.Height(), &parentDC, window.left, window.top,
                              SRCCOPY);
    }
}

void CButtonST::PaintFaceImage(CDC* pDC, BOOL bHasCaption, const CRect& rcItem, CRect& rcCaption,
                               BOOL bPressed, BOOL bDisabled) {
    const int slot = ChooseFaceSlot({m_bCheckMode, bDisabled, bPressed, m_bHover}, FilledSlots());
    if (slot == kNoFace) {
        return;
    }
    const FaceImage& face = m_faces[slot];
    PixelRect caption = {rcCaption.left, rcCaption.top, rcCaption.right, rcCaption.bottom};
    const PixelRect image =
        PlaceFaceImage({rcItem.left, rcItem.top, rcItem.right, rcItem.bottom}, caption, bHasCaption != FALSE,
                       face.width, face.height, bPressed && !m_bCheckMode);
    rcCaption.left = caption.left;

    CMemoryDC imageDC(*pDC);
    CMemoryDC maskDC(nullptr);
    if (!imageDC.IsValid() || !maskDC.IsValid()) {
        return;
    }
    const CSelectObjectScope selectImage(imageDC, face.image);
    const CSelectObjectScope selectMask(maskDC, face.mask);
    // The mask blackens what the image covers and keeps the background under its key pixels; the image,
    // whose key pixels are black, then adds its colours.
    const int width = static_cast<int>(face.width), height = static_cast<int>(face.height);
    pDC->BitBlt(image.left, image.top, width, height, &maskDC, 0, 0, SRCAND);
    pDC->BitBlt(image.left, image.top, width, height, &imageDC, 0, 0, SRCPAINT);
}

int CButtonST::FillFaceBackground(CDC* pDC, const CRect& rect) {
    COLORREF colour = m_crColours[BackgroundNormal];
    if (m_bHover || m_bPressed) {
        colour = m_crColours[BackgroundActive];
    } else if (m_bFocused) {
        colour = m_crColours[BackgroundFocused];
    }
    pDC->FillSolidRect(rect, colour);
    return 0;
}

int CButtonST::FrameFace(CDC* pDC, const CRect& rect) {
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_bPressed) {
        pDC->Draw3dRect(rect, shadow, highlight);
    } else {
        pDC->Draw3dRect(rect, highlight, shadow);
    }
    return 0;
}

void CButtonST::DrawCaption(CDC* pDC, const CString& caption, CRect rcCaption) {
    if (m_bPressed && !m_bCheckMode) {
        rcCaption = Offset(rcCaption, 1, 1);
    }
    const CRect area = rcCaption;
    pDC->DrawText(caption, -1, &rcCaption, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    rcCaption =
        Offset(rcCaption, (area.Width() - rcCaption.Width()) / 2, (area.Height() - rcCaption.Height()) / 2);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bDisabled) {
        rcCaption = Offset(rcCaption, 1, 1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->DrawText(caption, -1, &rcCaption, DT_WORDBREAK | DT_CENTER);
        rcCaption = Offset(rcCaption, -1, -1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        pDC->DrawText(caption, -1, &rcCaption, DT_WORDBREAK | DT_CENTER);
        return;
    }
    pDC->SetTextColor(m_bHover || m_bPressed ? m_crColours[TextActive] : m_crColours[TextNormal]);
    pDC->DrawText(caption, -1, &rcCaption, DT_WORDBREAK | DT_CENTER);
}
