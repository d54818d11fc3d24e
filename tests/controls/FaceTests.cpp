// Face choice, placement and key masks of the skinned button, and who owns its face images.
#include <gtest/gtest.h>

#include <vector>

#include "ButtonST.h"
#include "Dib32.h"
#include "KeyMask.h"
#include "resource.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

TEST(FaceSlot, FollowsModeThenDisabledThenPressedThenHover) {
    struct Case {
        FaceState state; // check mode, disabled, pressed (or checked), hover
        unsigned filled; // bit n: slot n holds an image
        int slot;
    } const cases[] = {
        {{0, 0, 0, 0}, 0xF, kNormalFace},   {{0, 0, 0, 1}, 0xF, kHoverFace},
        {{0, 0, 1, 1}, 0xF, kPressedFace},  {{0, 0, 1, 0}, 0x3, kHoverFace},  // no pressed face
        {{0, 1, 1, 1}, 0xF, kDisabledFace}, {{0, 1, 0, 1}, 0x3, kNormalFace}, // no disabled face
        {{1, 0, 1, 0}, 0xF, kHoverFace},    {{1, 0, 0, 1}, 0xF, kNormalFace}, // check mode: checked or not
        {{1, 1, 0, 0}, 0xF, kNormalFace},   {{0, 0, 0, 1}, 0xE, kNoFace},     // no hover face: nothing
        {{0, 0, 0, 0}, 0x1, kNoFace},       {{0, 1, 0, 0}, 0x9, kDisabledFace},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseFaceSlot(c.state, c.filled), c.slot)
            << c.state.checkMode << c.state.disabled << c.state.pressed << c.state.hover << " filled "
            << c.filled;
    }
}

TEST(FacePlacement, CentresOrLeavesRoomForTheCaptionAndShiftsWhenPressed) {
    struct Case {
        CRect item;
        BOOL caption;
        UINT width, height;
        BOOL shift;
        POINT topLeft;
        int captionLeft;
    } const cases[] = {
        {{0, 0, 61, 21}, FALSE, 58, 19, FALSE, {1, 1}, 0}, // a launcher tab button
        {{0, 0, 61, 21}, FALSE, 58, 19, TRUE, {2, 2}, 0},
        {{0, 0, 100, 30}, TRUE, 16, 16, FALSE, {3, 7}, 19},
        {{0, 0, 100, 30}, TRUE, 16, 16, TRUE, {4, 8}, 19},
        {{0, 0, 10, 10}, FALSE, 20, 14, FALSE, {-5, -2}, 0}, // overhangs equally on both sides
        {{0, 0, 10, 10}, FALSE, 21, 15, FALSE, {-5, -2}, 0}, // signed halving rounds toward zero
    };
    for (const Case& c : cases) {
        CRect caption = c.item;
        const CRect image = PlaceFaceImage(c.item, caption, c.caption, c.width, c.height, c.shift);
        EXPECT_EQ(image.left, c.topLeft.x) << c.width;
        EXPECT_EQ(image.top, c.topLeft.y) << c.width;
        EXPECT_EQ(image.Width() * 1000 + image.Height(), static_cast<int>(c.width * 1000 + c.height));
        EXPECT_EQ(caption.left, c.captionLeft) << c.width;
    }
}

// A 32-bpp DIB section holding the pixels in one row.
HBITMAP MakeRow(const std::vector<COLORREF>& pixels) {
    void* bits = nullptr;
    const HBITMAP bitmap = Create32BitDib(nullptr, static_cast<int>(pixels.size()), 1, &bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        static_cast<DWORD*>(bits)[i] =
            GetRValue(pixels[i]) << 16 | GetGValue(pixels[i]) << 8 | GetBValue(pixels[i]);
    }
    return bitmap;
}

COLORREF PixelOf(HBITMAP bitmap, int x) {
    CMemoryDC dc(nullptr);
    const CSelectObjectScope select(dc, bitmap);
    return ::GetPixel(dc, x, 0);
}

TEST(KeyMask, MarksExactlyTheKeyPixelsAndBlackensThemInTheImage) {
    const std::vector<COLORREF> row = {kMagenta, RGB(254, 0, 255), RGB(255, 1, 255), RGB(255, 0, 254),
                                       RGB(10, 20, 30)};
    const HBITMAP image = MakeRow(row);
    const CBitmap mask = MakeKeyMask(image, static_cast<UINT>(row.size()), 1, kMagenta);
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
        const bool key = row[x] == kMagenta;
        EXPECT_EQ(PixelOf(mask, x), key ? RGB(255, 255, 255) : RGB(0, 0, 0)) << x;
        EXPECT_EQ(PixelOf(image, x), key ? RGB(0, 0, 0) : row[x]) << x;
    }
    ::DeleteObject(image);
}

CBitmap Owned(HBITMAP bitmap) {
    CBitmap owner;
    owner.Attach(bitmap);
    return owner;
}

// Every image handed over must end up stored (with its mask) or deleted, whatever the result.
TEST(FaceOwnership, AttachFaceImagesStoresOrDeletesEveryImage) {
    enum Kind { None, Image, Brush }; // a brush is no bitmap: its size cannot be read as one
    struct Case {
        Kind given[4];
        int result;
        unsigned stored;
    } const cases[] = {
        {{Image, Image, Image, Image}, 0, 0xF},
        {{Image, Image, None, None}, 0, 0x3},
        {{None, Image, Image, Image}, 0, 0x0}, // no hover face: nothing shown, nothing kept
        {{Image, Brush, None, Image}, 1, 0x0}, // the image after the failing one goes too
    };
    for (const Case& c : cases) {
        const int before = CBitmap::LiveHandleCount();
        HBITMAP handles[4] = {};
        CBitmap given[4];
        for (int slot = 0; slot < 4; ++slot) {
            handles[slot] = c.given[slot] == Image   ? MakeRow({RGB(1, 2, 3), kMagenta})
                            : c.given[slot] == Brush ? reinterpret_cast<HBITMAP>(::CreateSolidBrush(0))
                                                     : nullptr;
            given[slot] = Owned(handles[slot]);
        }
        CButtonST button;
        EXPECT_EQ(button.AttachFaceImages(std::move(given[0]), std::move(given[1]), std::move(given[2]),
                                          kMagenta, std::move(given[3]), kMagenta),
                  c.result);
        for (int slot = 0; slot < 4; ++slot) {
            const bool stored = (c.stored >> slot) & 1;
            EXPECT_EQ(button.HasFace(slot) != FALSE, stored) << slot;
            EXPECT_EQ(handles[slot] && ::GetObjectType(handles[slot]) != 0, stored) << slot;
        }
        EXPECT_EQ(CBitmap::LiveHandleCount(), before + 2 * __builtin_popcount(c.stored))
            << "images and masks";
    }
}

// With the process's GDI handles used up no mask can be made; the handle table is finite on Windows and
// under Wine alike, so filling it is a real way to get there.
TEST(FaceOwnership, AMaskThatCannotBeMadeFailsWithTwoAndKeepsNothing) {
    const int before = CBitmap::LiveHandleCount();
    const HBITMAP hover = MakeRow({kMagenta}), normal = MakeRow({kMagenta});
    std::vector<HBITMAP> filler;
    for (HBITMAP one; filler.size() < 200000 && (one = ::CreateBitmap(1, 1, 1, 1, nullptr));) {
        filler.push_back(one);
    }
    CButtonST button;
    const int result = button.AttachFaceImages(Owned(hover), Owned(normal), CBitmap(), 0, CBitmap(), 0);
    for (HBITMAP one : filler) {
        ::DeleteObject(one);
    }
    EXPECT_EQ(result, 2);
    EXPECT_FALSE(button.HasFace(kHoverFace));
    EXPECT_EQ(::GetObjectType(hover) | ::GetObjectType(normal), 0u);
    EXPECT_EQ(CBitmap::LiveHandleCount(), before);
}

TEST(FaceOwnership, SetFaceImagesOwnsWhatItLoads) {
    const int before = CBitmap::LiveHandleCount();
    CButtonST button;
    EXPECT_EQ(
        button.SetFaceImages(IDB_START_HOVER, IDB_START_NORMAL, 0, kMagenta, IDB_START_NORMAL, kMagenta), 0);
    EXPECT_EQ(CBitmap::LiveHandleCount(), before + 6);
    EXPECT_EQ(
        button.SetFaceImages(0, IDB_START_NORMAL, IDB_START_HOVER, kMagenta, IDB_START_NORMAL, kMagenta), 0);
    EXPECT_EQ(CBitmap::LiveHandleCount(), before)
        << "without a hover face the three loaded images were deleted";
    EXPECT_EQ(button.SetFaceImages(IDB_START_HOVER, 4321, 0, kMagenta, 0, kMagenta), 0);
    EXPECT_FALSE(button.HasFace(kNormalFace)) << "an id without a resource leaves its slot empty";
    EXPECT_EQ(CBitmap::LiveHandleCount(), before + 2);
}

} // namespace
