#include <gtest/gtest.h>

#include <utility>

#include "TestWindows.h"

namespace {

BOOL CreateSample(CBitmap& bitmap) {
    return bitmap.CreateBitmap(4, 4, 1, 32, nullptr);
}

BOOL CreateSample(CBrush& brush) {
    return brush.CreateSolidBrush(RGB(10, 20, 30));
}

BOOL CreateSample(CRgn& region) {
    return region.CreateRectRgn(0, 0, 8, 8);
}

bool IsLiveGdiObject(HGDIOBJ hObject) {
    return ::GetObjectType(hObject) != 0;
}

template <typename Owner> class GdiOwnerTest : public ::testing::Test {};

using GdiOwners = ::testing::Types<CBitmap, CBrush, CRgn>;
TYPED_TEST_SUITE(GdiOwnerTest, GdiOwners);

TYPED_TEST(GdiOwnerTest, CountReturnsToItsStartWhenOwnersGo) {
    const int start = TypeParam::LiveHandleCount();
    {
        TypeParam first;
        TypeParam second;
        ASSERT_TRUE(CreateSample(first));
        ASSERT_TRUE(CreateSample(second));
        EXPECT_EQ(start + 2, TypeParam::LiveHandleCount());
    }
    EXPECT_EQ(start, TypeParam::LiveHandleCount());
}

TYPED_TEST(GdiOwnerTest, MovingTransfersTheHandle) {
    const int start = TypeParam::LiveHandleCount();
    TypeParam source;
    ASSERT_TRUE(CreateSample(source));
    const auto handle = source.GetSafeHandle();

    TypeParam moved(std::move(source));
    EXPECT_EQ(nullptr, source.GetSafeHandle());
    EXPECT_EQ(handle, moved.GetSafeHandle());
    EXPECT_EQ(start + 1, TypeParam::LiveHandleCount());

    TypeParam replaced;
    ASSERT_TRUE(CreateSample(replaced));
    const auto replacedHandle = replaced.GetSafeHandle();
    replaced = std::move(moved);
    EXPECT_EQ(handle, replaced.GetSafeHandle());
    EXPECT_FALSE(IsLiveGdiObject(replacedHandle));
    EXPECT_EQ(start + 1, TypeParam::LiveHandleCount());
}

TYPED_TEST(GdiOwnerTest, DetachHandsTheHandleOverAlive) {
    const int start = TypeParam::LiveHandleCount();
    TypeParam owner;
    ASSERT_TRUE(CreateSample(owner));
    const auto handle = owner.Detach();

    EXPECT_EQ(nullptr, owner.GetSafeHandle());
    EXPECT_EQ(start, TypeParam::LiveHandleCount());
    EXPECT_TRUE(IsLiveGdiObject(handle));
    ::DeleteObject(handle);
}

TYPED_TEST(GdiOwnerTest, AttachTakesOverTheHandleAndDeletesTheOneHeld) {
    const int start = TypeParam::LiveHandleCount();
    TypeParam owner;
    ASSERT_TRUE(CreateSample(owner));
    const auto held = owner.GetSafeHandle();
    TypeParam other;
    ASSERT_TRUE(CreateSample(other));
    const auto taken = other.Detach();

    EXPECT_TRUE(owner.Attach(taken));
    EXPECT_EQ(taken, owner.GetSafeHandle());
    EXPECT_FALSE(IsLiveGdiObject(held)) << "the handle it held is deleted";
    EXPECT_EQ(start + 1, TypeParam::LiveHandleCount());
    EXPECT_TRUE(owner.Attach(taken)) << "its own handle again changes nothing";
    EXPECT_TRUE(IsLiveGdiObject(taken));

    EXPECT_FALSE(owner.Attach(nullptr));
    EXPECT_FALSE(IsLiveGdiObject(taken));
    EXPECT_EQ(start, TypeParam::LiveHandleCount());
}

TYPED_TEST(GdiOwnerTest, OwnerHoldsOneHandleAtATime) {
    TypeParam owner;
    ASSERT_TRUE(CreateSample(owner));
    const int count = TypeParam::LiveHandleCount();
    EXPECT_FALSE(CreateSample(owner));
    EXPECT_EQ(count, TypeParam::LiveHandleCount());
}

// The system owns a window's region from the moment the window takes it (Wine deletes the handle then,
// Windows keeps it for itself); one it does not take, here for a window that is gone, is deleted with its
// owner.
TEST(WindowRegionTest, TheWindowTakesTheRegionOrItIsDeleted) {
    const struct {
        const char* name;
        bool windowExists;
    } cases[] = {{"a window", true}, {"a window that is gone", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CWnd owner;
        ASSERT_TRUE(CreateFrameworkPopup(owner));
        const HWND hWnd = owner.m_hWnd;
        if (!c.windowExists) {
            owner.DestroyWindow();
        }
        const int start = CRgn::LiveHandleCount();
        CRgn region;
        ASSERT_TRUE(region.CreateRectRgn(0, 0, 8, 8));
        const HRGN hRegion = region;

        EXPECT_EQ(CWnd(hWnd).SetWindowRgn(std::move(region), TRUE) != 0, c.windowExists);

        EXPECT_EQ(start, CRgn::LiveHandleCount());
        if (!c.windowExists) {
            EXPECT_FALSE(IsLiveGdiObject(hRegion)) << "deleted";
        }
    }
}

TEST(DeviceContextTest, CountsReturnToTheirStartWhenOwnersGo) {
    CWnd wnd;
    ASSERT_TRUE(CreateFrameworkPopup(wnd));
    const int memoryStart = CMemoryDC::LiveHandleCount();
    const int clientStart = CClientDC::LiveHandleCount();
    {
        CMemoryDC memoryDC(nullptr);
        CClientDC clientDC(&wnd);
        CMemoryDC compatibleDC(memoryDC);
        EXPECT_TRUE(memoryDC.IsValid());
        EXPECT_TRUE(compatibleDC.IsValid());
        EXPECT_NE(memoryDC.GetSafeHdc(), compatibleDC.GetSafeHdc());
        EXPECT_EQ(memoryStart + 2, CMemoryDC::LiveHandleCount());
        EXPECT_EQ(clientStart + 1, CClientDC::LiveHandleCount());

        CMemoryDC moved(std::move(memoryDC));
        EXPECT_FALSE(memoryDC.IsValid());
        EXPECT_TRUE(moved.IsValid());
        EXPECT_EQ(memoryStart + 2, CMemoryDC::LiveHandleCount());
    }
    EXPECT_EQ(memoryStart, CMemoryDC::LiveHandleCount());
    EXPECT_EQ(clientStart, CClientDC::LiveHandleCount());
}

// One memory DC and one bitmap, counted by their own owners' counts, drawing into the bitmap until it is
// handed over or both go.
TEST(DeviceContextTest, ABitmapDcDrawsIntoItsBitmapAndHandsItOverDeselected) {
    constexpr COLORREF kDrawn = RGB(10, 20, 30);
    const int dcs = CMemoryDC::LiveHandleCount(), bitmaps = CBitmap::LiveHandleCount();
    const auto held = [&] {
        return std::make_pair(CMemoryDC::LiveHandleCount() - dcs, CBitmap::LiveHandleCount() - bitmaps);
    };
    {
        CClientDC screen(nullptr);
        CBitmapDC first(screen, 4, 4);
        ASSERT_TRUE(first.IsValid());
        first.FillSolidRect(CRect(0, 0, 4, 4), kDrawn);
        EXPECT_EQ(held(), std::make_pair(1, 1));

        CBitmapDC moved(std::move(first));
        EXPECT_FALSE(first.IsValid());
        CBitmapDC replaced(screen, 2, 2);
        EXPECT_EQ(held(), std::make_pair(2, 2));
        replaced = std::move(moved);
        EXPECT_EQ(held(), std::make_pair(1, 1)) << "the replaced DC and bitmap are deleted";

        const CBitmap taken = replaced.TakeBitmap();
        EXPECT_FALSE(replaced.IsValid());
        EXPECT_EQ(held(), std::make_pair(0, 1));
        // A bitmap still selected into a DC could not be selected into another.
        CMemoryDC other(nullptr);
        const CSelectObjectScope select(other, taken);
        ASSERT_TRUE(select.Succeeded());
        EXPECT_EQ(kDrawn, ::GetPixel(other, 3, 3));

        EXPECT_FALSE(CBitmapDC(nullptr, CBitmap()).IsValid()) << "without a bitmap";
    }
    EXPECT_EQ(held(), std::make_pair(0, 0));
}

class CPaintCounter : public CWnd {
public:
    int m_paints = 0;
    int m_countWhilePainting = 0;

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        ++m_paints;
        m_countWhilePainting = CPaintDC::LiveHandleCount();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintCounter, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(DeviceContextTest, PaintDcLivesForTheHandler) {
    CPaintCounter wnd;
    ASSERT_TRUE(CreateFrameworkPopup(wnd));
    wnd.ShowWindow(SW_SHOWNOACTIVATE);
    const int start = CPaintDC::LiveHandleCount();

    ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    EXPECT_GE(wnd.m_paints, 1);
    EXPECT_EQ(start + 1, wnd.m_countWhilePainting);
    EXPECT_EQ(start, CPaintDC::LiveHandleCount());
}

TEST(DeviceContextTest, SelectObjectScopeRestoresThePreviousObject) {
    CMemoryDC dc(nullptr);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 32, nullptr));
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(200, 0, 0)));
    const HGDIOBJ originalBitmap = ::GetCurrentObject(dc, OBJ_BITMAP);
    const HGDIOBJ originalBrush = ::GetCurrentObject(dc, OBJ_BRUSH);
    {
        const CSelectObjectScope selectBitmap(dc, bitmap);
        const CSelectObjectScope selectBrush(dc, brush);
        EXPECT_TRUE(selectBitmap.Succeeded());
        EXPECT_TRUE(selectBrush.Succeeded());
        EXPECT_EQ(bitmap.GetSafeHandle(), ::GetCurrentObject(dc, OBJ_BITMAP));
        EXPECT_EQ(brush.GetSafeHandle(), ::GetCurrentObject(dc, OBJ_BRUSH));
    }
    EXPECT_EQ(originalBitmap, ::GetCurrentObject(dc, OBJ_BITMAP));
    EXPECT_EQ(originalBrush, ::GetCurrentObject(dc, OBJ_BRUSH));
}

TEST(DeviceContextTest, Draw3dRectFramesTheRectangleAndKeepsTheBackgroundColour) {
    constexpr COLORREF kTopLeft = RGB(255, 0, 0);
    constexpr COLORREF kBottomRight = RGB(0, 0, 255);
    constexpr COLORREF kInside = RGB(0, 255, 0);
    CMemoryDC dc(nullptr);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 32, nullptr));
    const CSelectObjectScope select(dc, bitmap);
    dc.SetBkColor(RGB(1, 2, 3));

    dc.FillSolidRect(CRect(0, 0, 4, 4), kInside);
    dc.Draw3dRect(CRect(0, 0, 4, 4), kTopLeft, kBottomRight);

    const struct {
        int x;
        int y;
        COLORREF expected;
    } pixels[] = {{0, 0, kTopLeft},     {2, 0, kTopLeft},     {0, 2, kTopLeft}, {3, 0, kBottomRight},
                  {0, 3, kBottomRight}, {3, 3, kBottomRight}, {1, 1, kInside},  {2, 2, kInside}};
    for (const auto& p : pixels) {
        EXPECT_EQ(p.expected, ::GetPixel(dc, p.x, p.y)) << p.x << "," << p.y;
    }
    EXPECT_EQ(RGB(1, 2, 3), ::GetBkColor(dc));
}

} // namespace
