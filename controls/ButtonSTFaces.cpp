#include "ButtonST.h"

#include <utility>

#include "KeyColours.h"
#include "KeyMask.h"

namespace {

constexpr COLORREF kMagentaKey = kFaceKeyColorref;

// The bitmap resource nId of the application, owned by the result; empty for 0 or when it does not load.
CBitmap LoadFaceBitmap(UINT nId) {
    CBitmap bitmap;
    if (nId != 0) {
        bitmap.Attach(static_cast<HBITMAP>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nId),
                                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    }
    return bitmap;
}

} // namespace

int CButtonST::SetFaceImages(UINT nHoverId, UINT nNormalId, UINT nPressedId, COLORREF crPressedKey,
                             UINT nDisabledId, COLORREF crDisabledKey) {
    return AttachFaceImages(LoadFaceBitmap(nHoverId), LoadFaceBitmap(nNormalId), LoadFaceBitmap(nPressedId),
                            crPressedKey, LoadFaceBitmap(nDisabledId), crDisabledKey);
}

int CButtonST::AttachFaceImages(CBitmap hover, CBitmap normal, CBitmap pressed, COLORREF crPressedKey,
                                CBitmap disabled, COLORREF crDisabledKey) {
    ReleaseFaceImages();
    if (hover.GetSafeHandle() == nullptr) {
        InvalidateFace();
        return 0;
    }
    std::pair<CBitmap*, COLORREF> images[kFaceSlotCount] = {
        {&hover, kMagentaKey}, {&normal, kMagentaKey}, {&pressed, crPressedKey}, {&disabled, crDisabledKey}};
    for (int slot = 0; slot < kFaceSlotCount; ++slot) {
        if (images[slot].first->GetSafeHandle() == nullptr) {
            continue;
        }
        const int result = AttachFace(slot, std::move(*images[slot].first), images[slot].second);
        if (result != 0) {
            ReleaseFaceImages();
            return result;
        }
    }
    InvalidateFace();
    return 0;
}

int CButtonST::AttachFace(int nSlot, CBitmap image, COLORREF key) {
    FaceImage& face = m_faces[nSlot];
    BITMAP info = {};
    if (image.GetBitmap(&info) != sizeof info) {
        return 1;
    }
    face.width = static_cast<UINT>(info.bmWidth);
    face.height = static_cast<UINT>(info.bmHeight);
    face.key = key;
    face.mask = MakeKeyMask(image, face.width, face.height, key);
    face.image = std::move(image);
    return face.mask.GetSafeHandle() != nullptr ? 0 : 2;
}

void CButtonST::ReleaseFaceImages() {
    m_composedFaces.Clear();
    for (FaceImage& face : m_faces) {
        face = FaceImage();
    }
}

unsigned CButtonST::FilledSlots() const {
    unsigned filled = 0;
    for (int slot = 0; slot < kFaceSlotCount; ++slot) {
        if (HasFace(slot)) {
            filled |= 1u << slot;
        }
    }
    return filled;
}
