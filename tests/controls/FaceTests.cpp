// Face choice, placement and key masks of the skinned button, and who owns its face images.
#include <gtest/gtest.h>

#include <vector>

#include "ButtonST.h"
#include "KeyMask.h"
#include "resource.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr unsigned kAllSlots = 0xF;
constexpr unsigned kHoverAndNormal = 0x3;

TEST(FaceSlot, FollowsModeDisabledPressedHoverInThatOrder) {
    struct Case {
        FaceState state; // check mode, disabled, pressed, hover
        unsigned filled;
        int slot;
    };
    constexpr Case cases[] = {
        {{FALSE, FALSE, FALSE, FALSE}, kAllSlots, kNormalFace},
        {{FALSE, FALSE, FALSE, TRUE}, kAllSlots, kHoverFace},
        {{FALSE, FALSE, TRUE, TRUE}, kAllSlots, kPressedFace},
        {{FALSE, FALSE, TRUE, FALSE}, kHoverAndNormal, kHoverFace}, // no pressed face: the hover one
        {{FALSE, TRUE, TRUE, TRUE}, kAllSlots, kDisabledFace},      // disabled outranks pressed
        {{FALSE, TRUE, FALSE, TRUE}, kHoverAndNormal, kNormalFace}, // no disabled face: the normal one
        {{TRUE, FALSE, TRUE, FALSE}, kAllSlots, kHoverFace},        // checked or pressed
        {{TRUE, FALSE, FALSE, TRUE}, kAllSlots, kNormalFace},       // unchecked, even hovered
        {{TRUE, TRUE, FALSE, FALSE}, kAllSlots, kNormalFace},       // check mode ignores disabling
        {{FALSE, FALSE, FALSE, TRUE}, 0xE, kNoFace},                // no hover face: nothing at all
        {{FALSE, FALSE, FALSE, FALSE}, 0x1, kNoFace},               // empty normal slot: no fallback
        {{FALSE, TRUE, FALSE, FALSE}, 0x9, kDisabledFace},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseFaceSlot(c.state, c.filled), c.slot)
            << "check " << c.state.checkMode << " disabled " << c.state.disabled << " pressed "
            << c.state.pressed << " hover " << c.state.hover << " filled " << c.filled;
    }
}

TEST(FacePlacement, CentresOrLeavesRoomForTheCaptionAndShiftsWhenPressed) {
    struct Case {
        CRect item;
        BOOL caption;
        UINT width, height;
        BOOL shift;
        CRect image;
        int captionLeft;
    };
    const Case cases[] = {
        {{0, 0, 61, 21}, FALSE, 58, 19, FALSE, {1, 1, 59, 20}, 0}, // a launcher tab button
        {{0, 0, 61, 21}, FALSE, 58, 19, TRUE, {2, 2, 60, 21}, 0},
        {{0, 0, 297, 48}, FALSE, 294, 46, FALSE, {1, 1, 295, 47}, 0}, // the start button
        {{0, 0, 100, 30}, TRUE, 16, 16, FALSE, {3, 7, 19, 23}, 19},
        {{0, 0, 100, 30}, TRUE, 16, 16, TRUE, {4, 8, 20, 24}, 19},
        {{0, 0, 10, 10}, FALSE, 20, 14, FALSE, {-5, -2, 15, 12}, 0}, // overhangs equally on both sides
        {{0, 0, 10, 10}, FALSE, 21, 15, FALSE, {-5, -2, 16, 13}, 0}, // signed halving rounds toward zero
    };
    for (const Case& c : cases) {
        CRect caption = c.item;
        const CRect image = PlaceFaceImage(c.item, caption, c.caption, c.width, c.height, c.shift);
        EXPECT_EQ(image.left, c.image.left) << c.width << "x" << c.height;
        EXPECT_EQ(image.top, c.image.top) << c.width << "x" << c.height;
        EXPECT_EQ(image.right, c.image.right) << c.width << "x" << c.height;
        EXPECT_EQ(image.bottom, c.image.bottom) << c.width << "x" << c.height;
        EXPECT_EQ(caption.left, c.captionLeft) << c.width << "x" << c.height;
    }
}

// A 32-bpp top-down DIB section holding the given pixels in one row.
HBITMAP MakeRow(const std::vector<COLORREF>& pixels) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(pixels.size());
    info.bmiHeader.biHeight = -1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* out = static_cast<DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        out[i] = GetRValue(pixels[i]) << 16 | GetGValue(pixels[i]) << 8 | GetBValue(pixels[i]);
    }
    return bitmap;
}

COLORREF PixelOf(HBITMAP bitmap, int x) {
    CMemoryDC dc(nullptr);
    const CSelectObjectScope select(dc, bitmap);
    return ::GetPixel(dc, x, 0);
}

TEST(KeyMask, MarksExactlyTheKeyPixelsAndBlackensThemInTheImage) {
    const std::vector<COLORREF> row = {kMagenta,         RGB(254, 0, 255), RGB(255, 1, 255),
                                       RGB(255, 0, 254), RGB(10, 20, 30),  kMagenta};
    const HBITMAP image = MakeRow(row);
    const CBitmap mask = MakeKeyMask(image, static_cast<UINT>(row.size()), 1, kMagenta);
    ASSERT_NE(mask.GetSafeHandle(), nullptr);
    for (size_t x = 0; x < row.size(); ++x) {
        const bool key = row[x] == kMagenta;
        EXPECT_EQ(PixelOf(mask, static_cast<int>(x)), key ? RGB(255, 255, 255) : RGB(0, 0, 0)) << x;
        EXPECT_EQ(PixelOf(image, static_cast<int>(x)), key ? RGB(0, 0, 0) : row[x]) << x;
    }
    ::DeleteObject(image);
}

CBitmap Owned(HBITMAP bitmap) {
    CBitmap owner;
    owner.Attach(bitmap);
    return owner;
}

HBITMAP MakeFace() {
    return MakeRow({RGB(1, 2, 3), kMagenta});
}

bool Exists(HGDIOBJ object) {
    return ::GetObjectType(object) != 0;
}

class FaceOwnership : public ::testing::Test {
protected:
    int LiveBitmaps() const { return CBitmap::LiveHandleCount(); }
    CButtonST m_button; // no window: faces need none
};

TEST_F(FaceOwnership, StoredFacesGetMasksAndEveryOtherImageIsDeleted) {
    const int before = LiveBitmaps();
    const HBITMAP hover = MakeFace(), normal = MakeFace(), pressed = MakeFace(), disabled = MakeFace();
    EXPECT_EQ(m_button.AttachFaceImages(Owned(hover), Owned(normal), Owned(pressed), kMagenta,
                                        Owned(disabled), kMagenta),
              0);
    for (int slot = 0; slot < kFaceSlotCount; ++slot) {
        EXPECT_TRUE(m_button.HasFace(slot)) << slot;
    }
    EXPECT_EQ(LiveBitmaps(), before + 8) << "four images and their masks";

    // Without a hover face the button shows nothing, and takes nothing: the other images go.
    const HBITMAP unused = MakeFace();
    EXPECT_EQ(m_button.AttachFaceImages(CBitmap(), Owned(unused), CBitmap(), 0, CBitmap(), 0), 0);
    EXPECT_FALSE(m_button.HasFace(kNormalFace));
    EXPECT_FALSE(Exists(unused));
    EXPECT_FALSE(Exists(hover));
    EXPECT_EQ(LiveBitmaps(), before);
}

TEST_F(FaceOwnership, AnUnreadableImageFailsWithOneAndLeavesNothingBehind) {
    const int before = LiveBitmaps();
    const HBITMAP hover = MakeFace(), disabled = MakeFace();
    // A brush is no bitmap: its size cannot be read as one.
    const HBITMAP notABitmap = reinterpret_cast<HBITMAP>(::CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_EQ(m_button.AttachFaceImages(Owned(hover), Owned(notABitmap), CBitmap(), 0, Owned(disabled), 0),
              1);
    EXPECT_FALSE(m_button.HasFace(kHoverFace));
    EXPECT_FALSE(Exists(hover));
    EXPECT_FALSE(Exists(notABitmap));
    EXPECT_FALSE(Exists(disabled)) << "an image after the failing one is deleted, not dropped";
    EXPECT_EQ(LiveBitmaps(), before);
}

// With the process's GDI handles used up no mask can be made. The handle table is finite on Windows and
// under Wine alike, so filling it is a real way to make this fail.
TEST_F(FaceOwnership, AMaskThatCannotBeMadeFailsWithTwoAndLeavesNothingBehind) {
    const int before = LiveBitmaps();
    const HBITMAP hover = MakeFace(), normal = MakeFace();
    std::vector<HBITMAP> filler;
    while (filler.size() < 200000) {
        const HBITMAP one = ::CreateBitmap(1, 1, 1, 1, nullptr);
        if (one == nullptr) {
            break;
        }
        filler.push_back(one);
    }
    const int result = m_button.AttachFaceImages(Owned(hover), Owned(normal), CBitmap(), 0, CBitmap(), 0);
    for (HBITMAP one : filler) {
        ::DeleteObject(one);
    }
    EXPECT_EQ(result, 2);
    EXPECT_FALSE(m_button.HasFace(kHoverFace));
    EXPECT_FALSE(Exists(hover));
    EXPECT_FALSE(Exists(normal));
    EXPECT_EQ(LiveBitmaps(), before);
}

TEST_F(FaceOwnership, SetFaceImagesOwnsWhatItLoadsWhateverTheOutcome) {
    const int before = LiveBitmaps();
    EXPECT_EQ(
        m_button.SetFaceImages(IDB_START_HOVER, IDB_START_NORMAL, 0, kMagenta, IDB_START_NORMAL, kMagenta),
        0);
    EXPECT_TRUE(m_button.HasFace(kDisabledFace));
    EXPECT_FALSE(m_button.HasFace(kPressedFace));
    EXPECT_EQ(LiveBitmaps(), before + 6);

    EXPECT_EQ(
        m_button.SetFaceImages(0, IDB_START_NORMAL, IDB_START_HOVER, kMagenta, IDB_START_NORMAL, kMagenta),
        0);
    EXPECT_FALSE(m_button.HasFace(kNormalFace));
    EXPECT_EQ(LiveBitmaps(), before) << "the three images loaded for the other slots were deleted";

    // An id without a resource leaves its slot empty.
    EXPECT_EQ(m_button.SetFaceImages(IDB_START_HOVER, 4321, 0, kMagenta, 0, kMagenta), 0);
    EXPECT_TRUE(m_button.HasFace(kHoverFace));
    EXPECT_FALSE(m_button.HasFace(kNormalFace));
    m_button.ReleaseFaceImages();
    EXPECT_EQ(LiveBitmaps(), before);
}

} // namespace
