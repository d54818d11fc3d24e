// The skinned image button: up to four face images keyed over a snapshot of its parent, hover tracking,
// a tooltip, check and radio modes, and a click action of its own.
#pragma once

#include "ActionType.h"
#include "ComposedFaces.h"
#include "FaceChoice.h"
#include "Framework.h"
#include "LinkedList.h"
#include "ToolTipCtrl.h"

class CButtonST : public CButton, public CLinkedList<CButtonST> {
public:
    // Longest web address an OpenUrl button keeps, with its terminating zero.
    static constexpr int kTargetUrlCapacity = 260;

    CButtonST();
    ~CButtonST() override;

    // Loads the bitmap resources (0: none) for the hover, normal, pressed and disabled slots and hands
    // them to AttachFaceImages; returns its result.
    int SetFaceImages(UINT nHoverId, UINT nNormalId, UINT nPressedId, COLORREF crPressedKey, UINT nDisabledId,
                      COLORREF crDisabledKey);
    // Takes every image it is given: the ones it stores are the button's, the others are deleted on
    // return. 0 = done (also when there is no hover image, which leaves the button without faces),
    // 1 = the size of an image was unreadable, 2 = a mask could not be made; after a failure the button
    // has no faces.
    int AttachFaceImages(CBitmap hover, CBitmap normal, CBitmap pressed, COLORREF crPressedKey,
                         CBitmap disabled, COLORREF crDisabledKey);
    void ReleaseFaceImages();

    // A null text changes nothing; an empty one makes no tooltip, but empties one that exists.
    void SetTipText(LPCWSTR lpszText);
    void SetFlatLook(BOOL bOn, BOOL bRepaint);
    void ShowHoverFrame(BOOL bOn, BOOL bRepaint);
    // Paints over a snapshot of the parent, taken afresh at the next paint.
    void EnableParentBackground(BOOL bRepaint);
    void EndHover();
    void EnsureTip();

    void SetActionType(int nActionType) { m_nActionType = nActionType; }
    // FALSE, leaving no address, when the address does not fit: a cut one would open the wrong page.
    BOOL SetTargetUrl(LPCWSTR lpszUrl);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void PaintParentBackground(CDC* pDC);
    // Draws the face of the current state where PlaceFaceImage puts it.
    void PaintFaceImage(CDC* pDC, BOOL bHasCaption, const CRect& rcItem, CRect& rcCaption, BOOL bPressed,
                        BOOL bDisabled);

protected:
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual int FillFaceBackground(CDC* pDC, const CRect& rect);
    virtual int FrameFace(CDC* pDC, const CRect& rect);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg BOOL HandleClick();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnCancelMode();
    afx_msg UINT OnGetDlgCode();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseLeave();

    DECLARE_MESSAGE_MAP()

private:
    enum ColourIndex {
        BackgroundActive,
        TextActive,
        BackgroundNormal,
        TextNormal,
        BackgroundFocused,
        ColourCount
    };

    struct FaceImage {
        CBitmap image;
        UINT width = 0;
        UINT height = 0;
        CBitmap mask; // 1 where image had the key colour
        COLORREF key = 0;
    };

    // Stores image in slot nSlot with its size and mask; 0, 1 or 2 as AttachFaceImages.
    int AttachFace(int nSlot, CBitmap image, COLORREF key);
    BOOL HasFace(int nSlot) const { return m_faces[nSlot].image.GetSafeHandle() != nullptr; }
    unsigned FilledSlots() const;
    // Background, frame, face image and caption, drawn into pDC.
    void DrawFace(CDC* pDC, const CRect& rcItem);
    void DrawCaption(CDC* pDC, const CString& caption, CRect rcCaption);
    void TakeBackgroundSnapshot(const CRect& client);
    // The snapshot and every face composed over it; the next paint takes a new one.
    void DropBackgroundSnapshot();
    // Repaints the whole face, background included; nothing before the window exists.
    void InvalidateFace() {
        if (m_hWnd != nullptr) {
            Invalidate(TRUE);
        }
    }

    BOOL m_bFlatLook = TRUE;
    BOOL m_bHover = FALSE;
    BOOL m_bParentBackground = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bFocused = FALSE;
    BOOL m_bDisabled = FALSE;
    BOOL m_bIsDefault = FALSE;
    BOOL m_bCheckMode = FALSE;
    BOOL m_bRadioMode = FALSE;
    BOOL m_bHoverFrame = TRUE;
    COLORREF m_crColours[ColourCount];
    CToolTipCtrl m_ToolTip;
    CBitmapDC m_dcBackground; // the snapshot of the parent; empty until the next paint takes one
    CComposedFaces m_composedFaces;
    BOOL m_bChecked = FALSE;
    wchar_t m_szTargetUrl[kTargetUrlCapacity] = {};
    int m_nActionType = OpenUrl;
    FaceImage m_faces[kFaceSlotCount];
};
