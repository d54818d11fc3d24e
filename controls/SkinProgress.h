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

    // The values may be set freely; the bar repaints only when its picture would change. Values outside the
    // range are taken as its nearer end.
    void SetRange(int nMin, int nMax);
    void SetStartValue(int nValue);
    void SetEndValue(int nValue);
    BOOL IsVertical() const { return m_bVertical; }
    // FALSE when the skin could not be cut into slices: such a bar draws nothing and its host shows.
    BOOL IsReady() const { return m_imlSlices.GetSafeHandle() != nullptr; }

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
    void Refresh();
    int SliceLength() const { return m_bVertical ? m_nSliceHeight : m_nSliceWidth; }
    // Computes the geometry for the current size and values into m_nTrackEnd, m_nStartPx and m_nEndPx.
    ProgressGeometry UpdateGeometry();
    bool GeometryChanged(const ProgressGeometry& geometry) const;
    // Keeps the values in range and repaints when that changes the picture.
    void ApplyValues();
    void DrawSlices(CDC* pDC, const ProgressGeometry& geometry);
    void DrawSlice(CDC* pDC, Slice slice, int at) const;
    UINT_PTR TimerId() const { return reinterpret_cast<UINT_PTR>(this); }

    BOOL m_bVertical = FALSE;
    int m_nRangeMin = 0;
    int m_nRangeMax = 0;
    int m_nDrawnStartPx = 0;
    int m_nStartPx = 0;
    int m_nStartValue = 0;
    int m_nDrawnEndPx = 0;
    int m_nEndPx = 0;
    int m_nEndValue = 0;
    int m_nDrawnTrackEnd = 0;
    int m_nTrackEnd = 0;
    bool m_bDrawnFilled = false;
    int m_nSliceWidth = 0;
    int m_nSliceHeight = 0;
    CRect m_rcHost;
    CRect m_rcDrawn;
    CBitmap m_bmpSourceSkin;
    CBitmap m_bmpDisplaySkin;
    CBitmap m_bmpSliceStrip;
    CImageList m_imlSlices;
    CBitmap m_bmpPicture;
    CWnd* m_pHost = nullptr;
};
