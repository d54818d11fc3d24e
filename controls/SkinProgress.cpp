#include "SkinProgress.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CSkinProgress, CStatic)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

constexpr UINT kRefreshPeriodMs = 500;
// The window's own style bits as the bar has always been created with; its class draws nothing by itself.
constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | 0x20E;

// The host's rectangle in its parent's client coordinates.
CRect HostRect(CWnd* pHost) {
    CRect rect;
    pHost->GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, pHost->GetParentHwnd(), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

} // namespace

CSkinProgress::CSkinProgress(CWnd* pHost, CBitmap* pSkin, int nRangeMax) : m_pHost(pHost) {
    const CRect rect = HostRect(pHost);
    LPCWSTR className = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_WAIT));
    CWnd parent(pHost->GetParentHwnd());
    if (className == nullptr || !CreateEx(WS_EX_STATICEDGE, className, L"", kBarStyle, rect, &parent, 0)) {
        return;
    }
    m_bVertical = rect.Height() > rect.Width();
    m_rcHost = CRect();
    // A skin that cannot be cut into slices leaves a bar without values or timer, drawing nothing: the host
    // shows instead.
    if (!PrepareSkin(pSkin)) {
        ShowWindow(SW_HIDE);
        return;
    }
    m_nRangeMin = 0;
    m_nRangeMax = nRangeMax;
    m_nStartValue = 0;
    m_nEndValue = std::max(m_nRangeMin, m_nStartValue);
    SetTimer(TimerId(), kRefreshPeriodMs);
    Refresh();
}

CSkinProgress::~CSkinProgress() {
    if (m_hWnd != nullptr) {
        ModifyStyle(WS_VISIBLE, 0);
        DestroyWindow();
        if (m_pHost != nullptr && ::IsWindow(m_pHost->GetSafeHwnd())) {
            m_pHost->Invalidate(TRUE);
        }
    }
}

void CSkinProgress::SetRange(int nMin, int nMax) {
    m_nRangeMin = nMin;
    m_nRangeMax = nMax;
    ApplyValues();
}

void CSkinProgress::SetStartValue(int nValue) {
    m_nStartValue = nValue;
    ApplyValues();
}

void CSkinProgress::SetEndValue(int nValue) {
    m_nEndValue = nValue;
    ApplyValues();
}

void CSkinProgress::ApplyValues() {
    const int low = std::min(m_nRangeMin, m_nRangeMax);
    const int high = std::max(m_nRangeMin, m_nRangeMax);
    m_nStartValue = std::clamp(m_nStartValue, low, high);
    m_nEndValue = std::clamp(m_nEndValue, low, high);
    if (m_hWnd != nullptr && IsReady() && GeometryChanged(UpdateGeometry())) {
        Invalidate(FALSE);
    }
}

ProgressGeometry CSkinProgress::UpdateGeometry() {
    CRect client;
    GetClientRect(&client);
    const int length = m_bVertical ? client.Height() : client.Width();
    const ProgressGeometry geometry = ComputeProgressGeometry(
        length, SliceLength(), {m_nRangeMin, m_nRangeMax, m_nStartValue, m_nEndValue});
    m_nTrackEnd = geometry.trackEnd;
    m_nStartPx = geometry.startPx;
    m_nEndPx = geometry.endPx;
    return geometry;
}

bool CSkinProgress::GeometryChanged(const ProgressGeometry& geometry) const {
    return geometry.trackEnd != m_nDrawnTrackEnd || geometry.endPx != m_nDrawnEndPx ||
           geometry.startPx != m_nDrawnStartPx || geometry.filled != m_bDrawnFilled;
}

BOOL CSkinProgress::OnEraseBkgnd(CDC* pDC) {
    const BOOL result = CStatic::OnEraseBkgnd(pDC);
    Refresh();
    return result;
}

void CSkinProgress::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == TimerId()) {
        Refresh();
    }
    CStatic::OnTimer(nIDEvent);
}

// Follows the host: a host that moved or changed size takes the bar with it. A host squeezed to two pixels
// or less is left alone, so the bar never collapses to nothing.
void CSkinProgress::Refresh() {
    if (m_hWnd == nullptr || !IsReady() || !IsWindowVisible()) {
        return;
    }
    const CRect host = HostRect(m_pHost);
    if (::EqualRect(&host, &m_rcHost) || host.Width() <= 2 || host.Height() <= 2) {
        if (GeometryChanged(UpdateGeometry())) {
            Invalidate(TRUE);
        }
        return;
    }
    m_rcHost = host;
    MoveWindow(host, TRUE);
    Invalidate(TRUE);
}
