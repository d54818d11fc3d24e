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

} // namespace

CSkinProgress::CSkinProgress(CWnd* pHost, CBitmap* pSkin, int nRangeMax) : m_pHost(pHost) {
    const CRect rect = pHost->GetWindowRectInParent();
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
    m_nStartValue = nMin;
    ApplyValues();
}

void CSkinProgress::SetEndValue(int nValue) {
    m_nEndValue = nValue;
    ApplyValues();
}

void CSkinProgress::ApplyValues() {
    const int low = std::min(m_nRangeMin, m_nRangeMax);
    const int high = std::max(m_nRangeMin, m_nRangeMax);
    m_nEndValue = std::clamp(m_nEndValue, low, high);
    if (m_hWnd != nullptr && IsReady() && UpdateGeometry()) {
        Invalidate(FALSE);
    }
}

bool CSkinProgress::UpdateGeometry() {
    CRect client;
    GetClientRect(&client);
    const int length = m_bVertical ? client.Height() : client.Width();
    m_geometry = ComputeProgressGeometry(length, SliceLength(),
                                         {m_nRangeMin, m_nRangeMax, m_nStartValue, m_nEndValue});
    return m_geometry != m_drawnGeometry;
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
    const CRect host = m_pHost->GetWindowRectInParent();
    if (::EqualRect(&host, &m_rcHost) || host.Width() <= 2 || host.Height() <= 2) {
        if (UpdateGeometry()) {
            Invalidate(TRUE);
        }
        return;
    }
    m_rcHost = host;
    MoveWindow(host, TRUE);
    Invalidate(TRUE);
}
