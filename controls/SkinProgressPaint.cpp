#include "SkinProgress.h"

namespace {

// Down to a multiple of the slice length, by the signed remainder.
int RoundDown(int position, int sliceLength) {
    return position - position % sliceLength;
}

} // namespace

// The whole bar lives in a cached picture; a paint is one block copy unless the size or the pieces moved.
// Without its picture (GDI exhausted, or a bar too large for one) the bar draws straight into the window,
// and that counts as drawn: its refreshes then leave it be until its geometry changes, instead of asking
// for the next paint at every one. The picture is tried again at the next paint.
void CSkinProgress::OnPaint() {
    CPaintDC dc(this);
    if (!IsReady()) {
        return;
    }
    const ProgressGeometry geometry = UpdateGeometry();
    CRect client;
    GetClientRect(&client);
    const bool sameSize = client.Width() == m_rcDrawn.Width() && client.Height() == m_rcDrawn.Height();
    bool freshPicture = false;
    if (!sameSize || m_bmpPicture.GetSafeHandle() == nullptr) {
        m_bmpPicture.DeleteObject();
        freshPicture = m_bmpPicture.CreateCompatibleBitmap(&dc, client.Width(), client.Height()) != FALSE;
    }
    CMemoryDC picture(dc);
    const CSelectObjectScope selectPicture(picture, m_bmpPicture);
    if (!picture.IsValid() || !selectPicture.Succeeded()) {
        DrawSlices(&dc, geometry);
        m_rcDrawn = client;
        m_bmpPicture.DeleteObject();
        return;
    }
    if (freshPicture || GeometryChanged(geometry)) {
        DrawSlices(&picture, geometry);
        m_rcDrawn = client;
    }
    dc.BitBlt(0, 0, client.Width(), client.Height(), &picture, 0, 0, SRCCOPY);
}

void CSkinProgress::DrawSlices(CDC* pDC, const ProgressGeometry& geometry) {
    const int s = SliceLength();
    int t = RoundDown(m_nTrackEnd, s);
    for (; t > m_nEndPx; t -= s) {
        DrawSlice(pDC, Track, t);
    }
    m_nDrawnEndPx = m_nEndPx;
    for (t = RoundDown(t, s); t >= m_nStartPx; t -= s) {
        DrawSlice(pDC, FillBody, t);
    }
    m_nDrawnStartPx = m_nStartPx;
    for (t = RoundDown(t, s); t >= s; t -= s) {
        DrawSlice(pDC, Track, t);
    }
    DrawSlice(pDC, FillMiddle, (m_nEndPx + m_nStartPx) / 2);
    if (m_nStartPx > s) {
        DrawSlice(pDC, BeforeFill, m_nStartPx - s);
    }
    if (m_nEndPx < m_nTrackEnd - s) {
        DrawSlice(pDC, AfterFill, m_nEndPx + s);
    }
    DrawSlice(pDC, StartEnd, 0);
    DrawSlice(pDC, FinishEnd, m_nTrackEnd);
    if (geometry.filled) {
        DrawSlice(pDC, FillStart, m_nStartPx);
        DrawSlice(pDC, FillEnd, m_nEndPx);
    }
    m_nDrawnTrackEnd = m_nTrackEnd;
    m_bDrawnFilled = geometry.filled;
}

void CSkinProgress::DrawSlice(CDC* pDC, Slice slice, int at) const {
    m_imlSlices.Draw(pDC, slice, m_bVertical ? POINT{0, at} : POINT{at, 0}, ILD_NORMAL);
}
