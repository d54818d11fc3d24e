#include "SkinImage.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTranslucentPng = 300;
constexpr UINT kCorruptPng = 301;
constexpr UINT kMissingPng = 399;

struct DibView {
    DIBSECTION section;
    const BYTE* bits;
};

DibView Inspect(HBITMAP bitmap) {
    DibView view = {};
    GetObjectW(bitmap, sizeof view.section, &view.section);
    view.bits = static_cast<const BYTE*>(view.section.dsBm.bmBits);
    return view;
}

// Bytes blue, green, red, alpha of pixel (x, y), y counted from the top of the image.
const BYTE* PixelAt(const DibView& view, int x, int y) {
    const int height = view.section.dsBmih.biHeight;
    return view.bits + static_cast<size_t>(height - 1 - y) * view.section.dsBm.bmWidthBytes + x * 4;
}

HMODULE Self() {
    return GetModuleHandleW(nullptr);
}

TEST(SkinImage, ShippedSkinIsA32BitBottomUpDibOfThePngsSize) {
    const CBitmap skin = LoadPngResource(Self(), IDR_SKIN_PNG);
    ASSERT_NE(skin.GetSafeHandle(), nullptr);
    const DibView view = Inspect(skin);
    ASSERT_NE(view.bits, nullptr) << "a DIB section exposes its bits";
    EXPECT_EQ(view.section.dsBm.bmWidth, 830);
    EXPECT_EQ(view.section.dsBm.bmHeight, 620);
    EXPECT_EQ(view.section.dsBmih.biHeight, 620) << "positive height: rows run bottom-up";
    EXPECT_EQ(view.section.dsBm.bmBitsPixel, 32);
    EXPECT_EQ(view.section.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(view.section.dsBm.bmWidthBytes, 830 * 4);

    const BYTE* corner = PixelAt(view, 0, 0);
    EXPECT_EQ(corner[0], 255);
    EXPECT_EQ(corner[1], 0);
    EXPECT_EQ(corner[2], 255);
    EXPECT_EQ(corner[3], 255);
}

// Translucent pixels keep their own colour values: nothing is premultiplied by alpha.
TEST(SkinImage, PixelsAreCopiedUnchangedWithTheirAlpha) {
    const CBitmap image = LoadPngResource(Self(), kTranslucentPng);
    ASSERT_NE(image.GetSafeHandle(), nullptr);
    const DibView view = Inspect(image);
    struct Expected {
        int x, y;
        BYTE red, green, blue, alpha;
    };
    constexpr Expected pixels[] = {
        {0, 0, 255, 0, 255, 255}, {1, 0, 10, 20, 30, 0},      {2, 0, 200, 100, 50, 128},
        {0, 1, 1, 2, 3, 4},       {1, 1, 250, 251, 252, 253}, {2, 1, 255, 0, 255, 17},
    };
    for (const Expected& e : pixels) {
        const BYTE* p = PixelAt(view, e.x, e.y);
        EXPECT_EQ(p[0], e.blue) << e.x << "," << e.y;
        EXPECT_EQ(p[1], e.green) << e.x << "," << e.y;
        EXPECT_EQ(p[2], e.red) << e.x << "," << e.y;
        EXPECT_EQ(p[3], e.alpha) << e.x << "," << e.y;
    }
}

TEST(SkinImage, MissingOrUndecodableResourceGivesNothingAndKeepsNothing) {
    const int bitmaps = CBitmap::LiveHandleCount();
    EXPECT_EQ(LoadPngResource(Self(), kMissingPng).GetSafeHandle(), nullptr);
    EXPECT_EQ(LoadPngResource(Self(), kCorruptPng).GetSafeHandle(), nullptr);
    EXPECT_EQ(CBitmap::LiveHandleCount(), bitmaps);
}

// The bitmap outlives the decoder: once loading returns, it still blits like any GDI bitmap.
TEST(SkinImage, LoadedSkinCanBeSelectedAndCopied) {
    const CBitmap skin = LoadPngResource(Self(), IDR_SKIN_PNG);
    ASSERT_NE(skin.GetSafeHandle(), nullptr);
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 4, 4);
    HGDIOBJ oldSource = SelectObject(source, skin);
    HGDIOBJ oldTarget = SelectObject(target, canvas);
    ASSERT_NE(oldSource, nullptr);
    EXPECT_TRUE(BitBlt(target, 0, 0, 4, 4, source, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(target, 0, 0), RGB(255, 0, 255));
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    DeleteObject(canvas);
    DeleteDC(target);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
}

} // namespace
