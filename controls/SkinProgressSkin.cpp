#include "SkinProgress.h"

#include <vector>

#include "BuiltInProgressSkin.h"

namespace {

constexpr COLORREF kTransparentCyan = RGB(0, 255, 255);

// A copy with the same size, format and bits: a DIB section stays one, a device bitmap stays one.
CBitmap CopyOf(HBITMAP source) {
    DIBSECTION section = {};
    const bool isSection = ::GetObjectW(source, sizeof section, &section) == sizeof section;
    CBitmap copy;
    copy.Attach(
        static_cast<HBITMAP>(::CopyImage(source, IMAGE_BITMAP, 0, 0, isSection ? LR_CREATEDIBSECTION : 0)));
    return copy;
}

CBitmap MakeBuiltInSkin() {
    const std::vector<uint32_t> pixels = BuiltInProgressSkinPixels();
    void* bits = nullptr;
    CBitmap skin = Create32BitDib(nullptr, kBuiltInSkinWidth, -kBuiltInSkinHeight, &bits);
    if (bits != nullptr) {
        std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    }
    return skin;
}

// The skin in the display's own format, so slices are not converted again at every draw.
CBitmap AtDisplayDepth(CDC* pDC, HBITMAP skin) {
    BITMAP info = {};
    ::GetObjectW(skin, sizeof info, &info);
    if (pDC->GetDeviceCaps(BITSPIXEL) == info.bmBitsPixel) {
        return CopyOf(skin);
    }
    // Room for the colour table of a skin with 8 bits per pixel or fewer.
    std::vector<BYTE> header(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* dib = reinterpret_cast<BITMAPINFO*>(header.data());
    dib->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    dib->bmiHeader.biWidth = info.bmWidth;
    dib->bmiHeader.biHeight = -info.bmHeight;
    dib->bmiHeader.biPlanes = info.bmPlanes;
    dib->bmiHeader.biBitCount = info.bmBitsPixel;
    dib->bmiHeader.biCompression = BI_RGB;
    const int stride = ((info.bmWidth * info.bmBitsPixel + 31) / 32) * 4;
    std::vector<BYTE> bits(static_cast<size_t>(stride) * info.bmHeight);
    CBitmap converted;
    if (::GetDIBits(*pDC, skin, 0, info.bmHeight, bits.data(), dib, DIB_RGB_COLORS) == info.bmHeight) {
        converted.Attach(::CreateDIBitmap(*pDC, &dib->bmiHeader, CBM_INIT, bits.data(), dib, DIB_RGB_COLORS));
    }
    return converted;
}

// Stretches the skin to the bar's thickness, its height only, smoothing as it goes.
CBitmap StretchToThickness(CDC* pDC, HBITMAP skin, int thickness) {
    BITMAP info = {};
    ::GetObjectW(skin, sizeof info, &info);
    CMemoryDC source(*pDC);
    CBitmapDC target(*pDC, info.bmWidth, thickness);
    if (!source.IsValid() || !target.IsValid()) {
        return CBitmap();
    }
    const CSelectObjectScope selectSource(source, skin);
    target.SetStretchBltMode(HALFTONE);
    ::SetBrushOrgEx(target, 0, 0, nullptr);
    target.StretchBlt(0, 0, info.bmWidth, thickness, &source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    return target.TakeBitmap();
}

} // namespace

BOOL CSkinProgress::PrepareSkin(CBitmap* pSkin) {
    m_rcDrawn = CRect();
    m_bmpSourceSkin =
        pSkin != nullptr && pSkin->GetSafeHandle() != nullptr ? CopyOf(*pSkin) : MakeBuiltInSkin();
    CClientDC dc(this);
    m_bmpDisplaySkin = AtDisplayDepth(&dc, m_bmpSourceSkin);
    BITMAP skin = {};
    if (m_bmpDisplaySkin.GetBitmap(&skin) != sizeof skin) {
        return FALSE;
    }
    m_nSliceWidth = skin.bmWidth / 9;
    m_nSliceHeight = skin.bmHeight;
    CRect client;
    GetClientRect(&client);
    const int thickness = m_bVertical ? client.Width() : client.Height();
    if (m_nSliceWidth <= 0 || m_nSliceHeight <= 0 || thickness <= 0 || !MakeSliceStrip(&dc, thickness)) {
        return FALSE;
    }
    BITMAP strip = {};
    m_bmpSliceStrip.GetBitmap(&strip);
    m_nSliceWidth = strip.bmWidth / 9;
    m_nSliceHeight = strip.bmHeight;
    // The list keeps a mask, so cyan is transparent whatever the common controls do with the colour
    // itself: without a mask Wine's image list draws the masked colour black.
    if (!m_imlSlices.Create(m_nSliceWidth, m_nSliceHeight, ILC_COLOR32 | ILC_MASK, 0, 0)) {
        return FALSE;
    }
    if (m_imlSlices.Add(m_bmpSliceStrip, kTransparentCyan) < 0) {
        m_imlSlices.DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

// The nine slices side by side at the bar's thickness. A vertical bar turns each slice, so that its
// length runs down: the skin's column x becomes the slice's row.
BOOL CSkinProgress::MakeSliceStrip(CDC* pDC, int nThickness) {
    CBitmap stretched = StretchToThickness(pDC, m_bmpDisplaySkin, nThickness);
    if (!m_bVertical || stretched.GetSafeHandle() == nullptr) {
        m_bmpSliceStrip = std::move(stretched);
        return m_bmpSliceStrip.GetSafeHandle() != nullptr;
    }
    BITMAP info = {};
    stretched.GetBitmap(&info);
    const int width = info.bmWidth;
    const int slice = m_nSliceWidth;
    BITMAPINFO layout = Dib32Info(width, -nThickness);
    std::vector<uint32_t> across(static_cast<size_t>(width) * nThickness);
    if (::GetDIBits(*pDC, stretched, 0, nThickness, across.data(), &layout, DIB_RGB_COLORS) != nThickness) {
        return FALSE;
    }
    const int turnedWidth = 9 * nThickness;
    std::vector<uint32_t> turned(static_cast<size_t>(turnedWidth) * slice);
    for (int y = 0; y < nThickness; ++y) {
        for (int x = 0; x < 9 * slice; ++x) {
            turned[static_cast<size_t>(x % slice) * turnedWidth + (x / slice) * nThickness + y] =
                across[static_cast<size_t>(y) * width + x];
        }
    }
    layout = Dib32Info(turnedWidth, -slice);
    return m_bmpSliceStrip.CreateCompatibleBitmap(pDC, turnedWidth, slice) &&
           ::SetDIBits(*pDC, m_bmpSliceStrip, 0, slice, turned.data(), &layout, DIB_RGB_COLORS) == slice;
}
