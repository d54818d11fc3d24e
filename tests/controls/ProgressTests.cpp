// The skinned progress bar: its geometry, its pixels as captured from its window, following its host, and
// what the builder makes of progress rows.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "TestWindows.h"
#include "ShippedButtons.h"
#include "SkinProgress.h"
#include "UIBuilder.h"

namespace {

constexpr uint32_t kCyan = 0x00FFFF;

// A skin of nine slices, 10 pixels wide, each in a colour of its own; the pixel at column x of slice k is
// (25 k, 20 x, 60), so that the turn of a vertical bar shows. Extra columns beyond the nine are red.
std::unique_ptr<CBitmap> MakeSliceSkin(int width, int cyanColumnsOfSlice8 = 0) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < width; ++x) {
            const int slice = x / 10, column = x % 10;
            uint32_t colour = slice < 9 ? (25u * slice) << 16 | (20u * column) << 8 | 60u : 0xFF0000u;
            if (slice == 8 && column < cyanColumnsOfSlice8) {
                colour = kCyan;
            }
            pixels[static_cast<size_t>(y) * width + x] = colour;
        }
    }
    void* bits = nullptr;
    auto skin = std::make_unique<CBitmap>(Create32BitDib(nullptr, width, -16, &bits));
    std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    return skin;
}

uint32_t SliceColour(int slice, int column) {
    return (25u * slice) << 16 | (20u * column) << 8 | 60u;
}

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Create(CRect(100, 100, 500, 400))); }

    CSkinProgress& AddBar(const CRect& hostRect, CBitmap* skin, int rangeMax = 100) {
        m_hosts.push_back(std::make_unique<CStatic>());
        m_hosts.back()->Create(L"", WS_VISIBLE, hostRect, &m_parent, 900);
        m_bars.push_back(std::make_unique<CSkinProgress>(m_hosts.back().get(), skin, rangeMax));
        return *m_bars.back();
    }

    CTestParent m_parent;
    std::vector<std::unique_ptr<CStatic>> m_hosts;
    std::vector<std::unique_ptr<CSkinProgress>> m_bars;
};

// Which slice shows along the middle of a horizontal bar 198 pixels long with slices 10 long.
struct Span {
    int from, to, slice;
};

void ExpectSpans(const Capture& bar, const std::vector<Span>& spans) {
    for (const Span& span : spans) {
        for (int x = span.from; x < span.to; ++x) {
            const uint32_t pixel = bar.At(x, bar.height / 2);
            EXPECT_EQ(pixel >> 16, 25u * span.slice) << "x " << x << " slice " << span.slice;
        }
    }
}

TEST_F(ProgressTest, AnEmptyBarShowsItsEndsAndTheTrackAndAFilledOneItsSegment) {
    const auto skin = MakeSliceSkin(90);
    CSkinProgress& bar = AddBar(CRect(10, 10, 210, 30), skin.get());
    ExpectSpans(CaptureWindow(bar), {{0, 10, 0}, {10, 20, 6}, {20, 188, 7}, {188, 198, 8}});

    bar.SetEndValue(50);
    ExpectSpans(CaptureWindow(bar), {{0, 10, 2},
                                     {10, 49, 4},
                                     {49, 59, 3},
                                     {59, 99, 4},
                                     {99, 109, 5},
                                     {109, 119, 6},
                                     {119, 188, 7},
                                     {188, 198, 8}});
    bar.SetRange(5, 5); // an empty range
    ExpectSpans(CaptureWindow(bar), {{0, 10, 0}, {10, 20, 6}, {20, 188, 7}, {188, 198, 8}});
}

TEST_F(ProgressTest, TheBuiltInSkinShowsAGreyTrackUntilFilled) {
    CSkinProgress& bar = AddBar(CRect(10, 10, 210, 30), nullptr);
    Capture empty = CaptureWindow(bar);
    for (int x = 0; x < empty.width; ++x) {
        EXPECT_EQ(empty.At(x, 3) & 0xFF, (empty.At(x, 3) >> 16) & 0xFF) << "grey at " << x;
    }
    bar.SetEndValue(100);
    const Capture full = CaptureWindow(bar);
    EXPECT_GT(full.At(100, 8) & 0xFF, (full.At(100, 8) >> 16) + 60) << "blue in the middle of a full bar";
}

TEST_F(ProgressTest, AVerticalBarTurnsEachSliceSoItsColumnsRunDown) {
    const auto skin = MakeSliceSkin(90);
    CSkinProgress& bar = AddBar(CRect(10, 10, 30, 210), skin.get());
    const Capture capture = CaptureWindow(bar);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(capture.At(9, row), SliceColour(0, row)) << row;
        EXPECT_EQ(capture.At(9, 10 + row), SliceColour(6, row)) << row;
        EXPECT_EQ(capture.At(2, 188 + row), SliceColour(8, row)) << row;
    }
}

TEST_F(ProgressTest, CyanShowsWhatLiesBeneathAndColumnsBeyondNineSlicesAreNotDrawn) {
    const auto skin = MakeSliceSkin(95, 2); // five red columns past the slices; slice 8 starts with cyan
    const Capture bar = CaptureWindow(AddBar(CRect(10, 10, 210, 30), skin.get()));
    EXPECT_EQ(bar.At(188, 9), SliceColour(7, 8)) << "the track piece drawn before the end piece";
    EXPECT_EQ(bar.At(189, 9), SliceColour(7, 9));
    EXPECT_EQ(bar.At(190, 9), SliceColour(8, 2));
    for (const uint32_t pixel : bar.pixels) {
        ASSERT_NE(pixel, 0xFF0000u);
    }
}

TEST_F(ProgressTest, ABarIsVerticalOnlyWhenItsHostIsTallerThanWide) {
    const auto skin = MakeSliceSkin(90);
    struct Case {
        CRect host;
        bool vertical;
    } const cases[] = {{{10, 10, 50, 50}, false}, {{60, 10, 100, 51}, true}};
    for (const Case& c : cases) {
        // Along the bar the start piece is followed by slice 6; across it, the start piece goes on.
        const Capture bar = CaptureWindow(AddBar(c.host, skin.get()));
        EXPECT_EQ(bar.At(15, 2) >> 16, c.vertical ? 0u : 25u * 6) << c.host.Height();
        EXPECT_EQ(bar.At(2, 15) >> 16, c.vertical ? 25u * 6 : 0u) << c.host.Height();
    }
}

TEST_F(ProgressTest, ASkinTooNarrowForNineSlicesLeavesTheHostShowingAndNoTimer) {
    const auto skin = MakeSliceSkin(8);
    CSkinProgress& bar = AddBar(CRect(10, 10, 210, 30), skin.get());
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(::KillTimer(bar, reinterpret_cast<UINT_PTR>(&bar)));
    bar.SetEndValue(50); // and setting values does no harm
}

// A bar that never rests would keep the message pump busy for ever; past a hundred paints its paints are cut
// short, so that a test fails instead of hanging.
int g_paints;
LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PAINT && ++g_paints > 100) {
        ::ValidateRect(window, nullptr);
        return 0;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(ProgressTest, TheBarFollowsItsHostButNotIntoNothingAndRestsWhenUnchanged) {
    CSkinProgress& bar = AddBar(CRect(10, 10, 210, 30), nullptr);
    CStatic& host = *m_hosts.back();
    const auto follows = [&] { return ::EqualRect(RectInParent(bar), RectInParent(host)) != FALSE; };

    // A host moved without a repaint, with the bar validated, leaves no erase that could carry the move:
    // only the bar's own timer can.
    struct Move {
        const char* how;
        CRect to;
        bool repaint;
    } const moves[] = {
        {"moved and resized with a repaint", {30, 50, 180, 74}, true},
        {"moved without a repaint", {40, 70, 190, 94}, false},
    };
    for (const Move& move : moves) {
        ::UpdateWindow(bar);
        ::SetWindowPos(host, nullptr, move.to.left, move.to.top, move.to.Width(), move.to.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | (move.repaint ? 0 : SWP_NOREDRAW));
        if (!move.repaint) {
            ::ValidateRect(bar, nullptr);
        }
        EXPECT_TRUE(WaitUntil(follows, 1000)) << move.how << ": followed within a period and some slack";
    }

    CaptureWindow(bar);
    ::SetWindowSubclass(bar, &CountPaints, 1, 0);
    g_paints = 0;
    EXPECT_FALSE(WaitUntil([] { return g_paints > 0; }, 1600)) << "three periods without a paint";

    host.MoveWindow(40, 70, 150, 2);
    EXPECT_FALSE(WaitUntil(follows, 1600)) << "a host two pixels high is not followed";
    ::RemoveWindowSubclass(bar, &CountPaints, 1);
}

// With GDI's handles used up, a bar whose host changes size cannot make its new cached picture: it draws what
// it can once and rests, and draws again when its geometry changes, with its picture once GDI has room.
TEST_F(ProgressTest, ABarWithoutItsPictureDrawsOnceAndRestsUntilItsGeometryChanges) {
    const auto skin = MakeSliceSkin(90);
    CSkinProgress& bar = AddBar(CRect(10, 10, 210, 30), skin.get());
    CStatic& host = *m_hosts.back();
    CaptureWindow(bar);
    ::SetWindowSubclass(bar, &CountPaints, 1, 0);
    std::vector<HBITMAP> filler;
    for (HBITMAP one; filler.size() < 200000 && (one = ::CreateBitmap(1, 1, 1, 1, nullptr));) {
        filler.push_back(one);
    }
    g_paints = 0;
    host.MoveWindow(10, 10, 180, 20);
    const bool painted = WaitUntil([] { return g_paints > 0; }, 1000);
    const bool restless = WaitUntil([] { return g_paints > 2; }, 1600);
    for (HBITMAP one : filler) {
        ::DeleteObject(one);
    }
    EXPECT_TRUE(painted) << "the new size is drawn";
    EXPECT_FALSE(restless) << "and then the bar rests, three periods long";

    g_paints = 0;
    bar.SetEndValue(50);
    EXPECT_TRUE(WaitUntil([] { return g_paints > 0; }, 1000)) << "a new geometry is drawn";
    ExpectSpans(CaptureWindow(bar), {{0, 10, 2}, {168, 178, 8}});
    ::RemoveWindowSubclass(bar, &CountPaints, 1);
}

TEST_F(ProgressTest, TheBuilderMakesHostsAndBarsAndTakesThemAllAway) {
    const PROGRESS_ITEM rows[] = {
        // A button face as skin: a real bitmap of the program, narrow enough for slices a pixel or two wide.
        {301, 10, 10, 210, 30, ButtonRowFor(MinimiseParent).normalImage, 100},
        {302, 10, 40, 210, 60, 4321, 100}, // no such bitmap: the built-in skin
        {0, 0, 0, 0, 0, 0, 0},
    };
    const int bitmaps = CBitmap::LiveHandleCount(), lists = CImageList::LiveHandleCount();
    {
        CUIBuilder ui;
        ui.SetTables(nullptr, nullptr, nullptr, rows, nullptr);
        EXPECT_TRUE(ui.Build(&m_parent));
        for (int i = 0; i < 2; ++i) {
            const HWND host = ::GetDlgItem(m_parent, 10000 + i);
            const HWND bar = ::GetDlgItem(m_parent, rows[i].id);
            ASSERT_NE(host, nullptr) << "hosts are numbered from 10000 in table order";
            ASSERT_NE(bar, nullptr) << "each bar takes its row's id";
            const CRect row(rows[i].left, rows[i].top, rows[i].right, rows[i].bottom);
            EXPECT_TRUE(::EqualRect(RectInParent(host), row));
            EXPECT_TRUE(::EqualRect(RectInParent(bar), row)) << "the bar lies over its host";
            EXPECT_TRUE(::IsWindowVisible(bar)) << "its skin was cut into slices";
        }
        const Capture builtIn = CaptureWindow(::GetDlgItem(m_parent, rows[1].id));
        EXPECT_EQ(builtIn.At(100, 0), 0xBDBDBDu) << "the built-in track's top row";
        EXPECT_EQ(CImageList::LiveHandleCount(), lists + 2);
    }
    EXPECT_EQ(::GetWindow(m_parent, GW_CHILD), nullptr) << "hosts and bars are gone";
    EXPECT_EQ(CBitmap::LiveHandleCount(), bitmaps);
    EXPECT_EQ(CImageList::LiveHandleCount(), lists);
}

} // namespace
