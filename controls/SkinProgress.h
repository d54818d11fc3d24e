// A progress bar drawn from a nine-slice skin, laid over a host window whose place and size it follows.
#pragma once

#include "Framework.h"
#include "ProgressGeometry.h"

class CSkinProgress : public CStatic {
public:
    // Creates the bar's window over pHost, in the host's parent, with the given skin (the built-in one for
    // none) and a range from 0 to nRangeMax; both values start at 0.
    CSkinProgress(CWnd* pHost, CBitmap* pSkin, int nRangeMax);
    ~CSkinProgress() override;

    // For a publisher's own window that shows progress: the bar fills from the range minimum to the end
    // value, and repaints only when its picture would change. An end value outside the range is taken as
    // its nearer end.
    void SetRange(int nMin, int nMax);
    void SetEndValue(int nValue);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    enum Slice {
        StartEnd,
        BeforeFill,
        FillStart,
        FillMiddle,
        FillBody,
        FillEnd,
        AfterFill,
        Track,
        FinishEnd
    };

    BOOL PrepareSkin(CBitmap* pSkin);
    BOOL MakeSliceStrip(CDC* pDC, int nThickness);
    // FALSE when the skin could not be cut into slices: such a bar draws nothing and its host shows.
    BOOL IsReady() const { return m_imlSlices.GetSafeHandle() != nullptr; }
    void Refresh();
    int SliceLength() const { return m_bVertical ? m_nSliceHeight : m_nSliceWidth; }
    // Computes m_geometry for the current size and values; true when it differs from the drawn one.
    bool UpdateGeometry();
    // Keeps the values in range and repaints when that changes the picture.
    void ApplyValues();
    // Draws m_geometry, which becomes the drawn one.
    void DrawSlices(CDC* pDC);
    void DrawSlice(CDC* pDC, Slice slice, int at) const;
    UINT_PTR TimerId() const { return reinterpret_cast<UINT_PTR>(this); }

    BOOL m_bVertical = FALSE;
    int m_nRangeMin = 0;
    int m_nRangeMax = 0;
    int m_nStartValue = 0;
    int m_nEndValue = 0;
    // Where the pieces go (the track's end, the segment's start and end, whether it is filled): for the
    // current size and values, and as last drawn.
    ProgressGeometry m_geometry = {};
    ProgressGeometry m_drawnGeometry = {};
    int m_nSliceWidth = 0;
    int m_nSliceHeight = 0;
    CRect m_rcHost;
    CRect m_rcDrawn;
    CBitmap m_bmpSourceSkin;
    CBitmap m_bmpDisplaySkin;
    CBitmap m_bmpSliceStrip;
    CImageList m_imlSlices;
    CBitmapDC m_bmpPicture; // the cached picture of the whole client area, in its DC
    CWnd* m_pHost = nullptr;
};
