// Where the skinned button draws its face and caption, key masks, and who owns its face images.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "ButtonST.h"
#include "TestWindows.h"
#include "Dib32.h"
#include "KeyColours.h"
#include "ImportHook.h"
#include "KeyMask.h"
#include "ShippedButtons.h"

namespace {

constexpr COLORREF kMagenta = kFaceKeyColorref;

// A 32-bpp DIB section holding the pixels in one row, or `rows` such rows; the caller hands it over or
// deletes it.
HBITMAP MakeRow(const std::vector<COLORREF>& pixels, int rows = 1) {
    void* bits = nullptr;
    const int width = static_cast<int>(pixels.size());
    CBitmap bitmap = Create32BitDib(nullptr, width, rows, &bits);
    for (int i = 0; i < width * rows; ++i) {
        const COLORREF pixel = pixels[i % width];
        static_cast<DWORD*>(bits)[i] = GetRValue(pixel) << 16 | GetGValue(pixel) << 8 | GetBValue(pixel);
    }
    return bitmap.Detach();
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

// Windows refuses to delete a bitmap that is selected into a device context, and the handle lives on; Wine
// deletes it once it is deselected. While a test runs with this, the program's DeleteObject refuses as
// Windows does and counts the refusals, so a bitmap deleted too early shows on either.
class CWindowsLikeDeleteObject {
public:
    CWindowsLikeDeleteObject() : m_hook("gdi32.dll", "DeleteObject", reinterpret_cast<void*>(&Delete)) {
        s_delete = reinterpret_cast<decltype(&::DeleteObject)>(m_hook.Original());
        s_probe = ::CreateCompatibleDC(nullptr);
        s_refused = 0;
    }
    ~CWindowsLikeDeleteObject() { ::DeleteDC(s_probe); }

    bool Installed() const { return m_hook.Installed(); }
    static int Refused() { return s_refused; }

private:
    // A bitmap selected elsewhere cannot be selected into the probe.
    static BOOL WINAPI Delete(HGDIOBJ object) {
        if (::GetObjectType(object) == OBJ_BITMAP) {
            const HGDIOBJ previous = ::SelectObject(s_probe, object);
            if (previous == nullptr) {
                ++s_refused;
                return FALSE;
            }
            ::SelectObject(s_probe, previous);
        }
        return s_delete(object);
    }

    CImportHook m_hook;
    static inline decltype(&::DeleteObject) s_delete = nullptr;
    static inline HDC s_probe = nullptr;
    static inline int s_refused = 0;
};

// An image that cannot be selected (it is selected into another context already) while the mask can: the
// mask made for it is deleted, after it has been deselected.
TEST(KeyMask, AnImageThatCannotBeSelectedLeavesNoMaskBehind) {
    const HBITMAP image = MakeRow({kMagenta, RGB(1, 2, 3)});
    const HDC holder = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ held = ::SelectObject(holder, image);
    const int bitmaps = CBitmap::LiveHandleCount(), contexts = CMemoryDC::LiveHandleCount();
    {
        const CWindowsLikeDeleteObject windowsLike;
        ASSERT_TRUE(windowsLike.Installed());
        const CBitmap mask = MakeKeyMask(image, 2, 1, kMagenta);
        EXPECT_EQ(mask.GetSafeHandle(), nullptr);
        EXPECT_EQ(CWindowsLikeDeleteObject::Refused(), 0) << "a mask deleted while still selected leaks";
    }
    EXPECT_EQ(CBitmap::LiveHandleCount(), bitmaps);
    EXPECT_EQ(CMemoryDC::LiveHandleCount(), contexts);
    ::SelectObject(holder, held);
    ::DeleteDC(holder);
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
    EXPECT_EQ(::GetObjectType(hover) | ::GetObjectType(normal), 0u);
    EXPECT_EQ(CBitmap::LiveHandleCount(), before);
}

TEST(FaceOwnership, SetFaceImagesOwnsWhatItLoads) {
    const int before = CBitmap::LiveHandleCount();
    const int normal = ButtonRowFor(RequestStart).normalImage, hover = ButtonRowFor(RequestStart).hoverImage;
    CButtonST button;
    EXPECT_EQ(button.SetFaceImages(hover, normal, 0, kMagenta, normal, kMagenta), 0);
    EXPECT_EQ(CBitmap::LiveHandleCount(), before + 6);
    EXPECT_EQ(button.SetFaceImages(0, normal, hover, kMagenta, normal, kMagenta), 0);
    EXPECT_EQ(CBitmap::LiveHandleCount(), before)
        << "without a hover face the three loaded images were deleted";
    EXPECT_EQ(button.SetFaceImages(hover, 4321, 0, kMagenta, 0, kMagenta), 0);
    EXPECT_EQ(CBitmap::LiveHandleCount(), before + 2) << "an id without a resource leaves its slot empty";
}

// Where the first pixel of `colour` shows in the window, rows from the top; (-1, -1) where none does.
std::pair<int, int> FirstPixelOf(HWND window, COLORREF colour) {
    const Capture shown = CaptureWindow(window);
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            if (shown.ColourAt(x, y) == colour) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

// Drawn on a button 20 x 16, a 10 x 8 face is centred at (5, 4). Every slot holds the same picture, so
// only the face's place can differ; which slot shows is the native face-choice table's business.
TEST(FacePlacement, APressedPushButtonShiftsItsFaceByOnePixelAndACheckButtonNever) {
    constexpr COLORREF kFace = RGB(255, 0, 0);
    CTestParent parent;
    ASSERT_TRUE(parent.Create(CRect(100, 100, 300, 200)));
    struct Case {
        const char* name;
        DWORD style;
        bool press; // held down (BM_SETSTATE) or else clicked
        std::pair<int, int> face;
    } const cases[] = {
        {"a push button at rest", 0, false, {5, 4}},
        {"a push button held down", 0, true, {6, 5}},
        {"a check button held down", BS_CHECKBOX, true, {5, 4}},
        {"a radio button checked", BS_RADIOBUTTON, false, {5, 4}},
    };
    for (const Case& c : cases) {
        CButtonST button;
        ASSERT_TRUE(button.Create(L"", WS_VISIBLE | c.style, CRect(10, 10, 30, 26), &parent, 700));
        const auto face = [&] { return Owned(MakeRow(std::vector<COLORREF>(10, kFace), 8)); };
        ASSERT_EQ(button.AttachFaceImages(face(), face(), face(), kMagenta, CBitmap(), kMagenta), 0);
        if (c.press) {
            button.SendMessage(BM_SETSTATE, TRUE);
        } else if (c.style != 0) {
            parent.SendMessage(WM_COMMAND, MAKEWPARAM(700, BN_CLICKED),
                               reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
        }
        EXPECT_EQ(FirstPixelOf(button, kFace), c.face) << c.name;
    }
}

// With a caption, a 16-pixel face goes 3 pixels from the left edge, and the caption is centred in the room
// right of it, which starts where the face ends, 19 pixels from the edge.
TEST(FacePlacement, ACaptionIsCentredInTheRoomRightOfItsFace) {
    constexpr COLORREF kFace = RGB(255, 0, 0);
    CTestParent parent;
    ASSERT_TRUE(parent.Create(CRect(100, 100, 300, 200)));
    CButtonST button;
    ASSERT_TRUE(button.Create(L"II", WS_VISIBLE, CRect(10, 10, 110, 40), &parent, 701));
    const auto face = [&] { return Owned(MakeRow(std::vector<COLORREF>(16, kFace), 16)); };
    ASSERT_EQ(button.AttachFaceImages(face(), face(), CBitmap(), kMagenta, CBitmap(), kMagenta), 0);
    EXPECT_EQ(FirstPixelOf(button, kFace), std::make_pair(3, 7));
    const Capture shown = CaptureWindow(button);
    int textLeft = shown.width, textRight = -1;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const COLORREF pixel = shown.ColourAt(x, y);
            if (pixel != kFace && pixel != ::GetSysColor(COLOR_BTNFACE)) {
                textLeft = std::min(textLeft, x);
                textRight = std::max(textRight, x);
            }
        }
    }
    ASSERT_GE(textRight, 0) << "the caption shows";
    const int left = textLeft - 19, right = shown.width - (textRight + 1);
    EXPECT_LE(std::abs(left - right), 2) << left << " pixels left of the caption, " << right << " right";
}

} // namespace
