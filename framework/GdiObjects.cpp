#include "GdiObjects.h"

#include "Dc.h"
#include "WinApp.h"

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return GetSafeHandle() == nullptr && Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    return GetSafeHandle() == nullptr && Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitCount, lpBits));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return GetSafeHandle() == nullptr &&
           Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const {
    return ::GetObjectW(GetSafeHandle(), sizeof(BITMAP), pBitMap);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return GetSafeHandle() == nullptr && Attach(::CreateSolidBrush(crColor));
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return GetSafeHandle() == nullptr && Attach(::CreateRectRgn(x1, y1, x2, y2));
}
