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
    const bool changed = UpdateGeometry();
    CRect client;
    GetClientRect(&client);
    const bool sameSize = client.Width() == m_rcDrawn.Width() && client.Height() == m_rcDrawn.Height();
    bool freshPicture = false;
    if (!sameSize || !m_bmpPicture.IsValid()) {
        m_bmpPicture = CBitmapDC(dc, client.Width(), client.Height());
        freshPicture = m_bmpPicture.IsValid();
    }
    if (!m_bmpPicture.IsValid()) {
        DrawSlices(&dc);
        m_rcDrawn = client;
        return;
    }
    if (freshPicture || changed) {
        DrawSlices(&m_bmpPicture);
        m_rcDrawn = client;
    }
    dc.BitBlt(0, 0, client.Width(), client.Height(), &m_bmpPicture, 0, 0, SRCCOPY);
}

void CSkinProgress::DrawSlices(CDC* pDC) {
    const ProgressGeometry& geometry = m_geometry;
    const int s = SliceLength();
    int t = RoundDown(geometry.trackEnd, s);
    for (; t > geometry.endPx; t -= s) {
        DrawSlice(pDC, Track, t);
    }
    for (t = RoundDown(t, s); t >= geometry.startPx; t -= s) {
        DrawSlice(pDC, FillBody, t);
    }
    for (t = RoundDown(t, s); t >= s; t -= s) {
        DrawSlice(pDC, Track, t);
    }
    DrawSlice(pDC, FillMiddle, (geometry.endPx + geometry.startPx) / 2);
    if (geometry.startPx > s) {
        DrawSlice(pDC, BeforeFill, geometry.startPx - s);
    }
    if (geometry.endPx < geometry.trackEnd - s) {
        DrawSlice(pDC, AfterFill, geometry.endPx + s);
    }
    DrawSlice(pDC, StartEnd, 0);
    DrawSlice(pDC, FinishEnd, geometry.trackEnd);
    if (geometry.filled) {
        DrawSlice(pDC, FillStart, geometry.startPx);
        DrawSlice(pDC, FillEnd, geometry.endPx);
    }
    m_drawnGeometry = geometry;
}

void CSkinProgress::DrawSlice(CDC* pDC, Slice slice, int at) const {
    m_imlSlices.Draw(pDC, slice, m_bVertical ? POINT{0, at} : POINT{at, 0}, ILD_NORMAL);
}
