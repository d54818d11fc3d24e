// Broken and unusual skin PNGs through the loader and the region builder: each gives nothing or a right
// bitmap and region, and none makes the loader reserve memory for pixels that are not there.
#include "HostPath.h"
#include "RegionTestSupport.h"
#include "SkinImage.h"
#include "SkinRegion.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<char> ReadHostile(const char* name) {
    const std::wstring path =
        ToWindowsPath(SKYREACH_HOSTILE_DIR) + L"\\" + std::wstring(name, name + strlen(name));
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

SIZE_T PeakPrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakPagefileUsage;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    const BYTE* p =
        static_cast<const BYTE*>(info.bmBits) + (info.bmHeight - 1 - y) * info.bmWidthBytes + 4 * x;
    return RGB(p[2], p[1], p[0]);
}

enum class Outcome { Nothing, Image, Either };

struct Case {
    const char* file;
    Outcome outcome;
    int width = 0, height = 0, keyPixels = 0;
    POINT probe = {};
    COLORREF colour = 0;
};

// The good image: 40 x 30, three key pixels at the start of its top row.
constexpr Case kGood = {"good.png", Outcome::Image, 40, 30, 3, {5, 5}, RGB(35, 60, 95)};

TEST(HostileSkins, GiveNothingOrARightBitmapAndRegion) {
    const Case cases[] = {
        kGood,
        {"truncated-signature.png", Outcome::Nothing},
        {"truncated-header.png", Outcome::Nothing},
        {"truncated-data.png", Outcome::Nothing},
        // A decoder may forgive what is missing after the pixels, or a wrong checksum; if it does, the
        // image must be the intact one.
        {"truncated-end.png", Outcome::Either, 40, 30, 3, {5, 5}, RGB(35, 60, 95)},
        {"bad-crc.png", Outcome::Either, 40, 30, 3, {5, 5}, RGB(35, 60, 95)},
        {"zero-width.png", Outcome::Nothing},
        {"zero-height.png", Outcome::Nothing},
        {"not-a-png.png", Outcome::Nothing},
        {"one-pixel-key.png", Outcome::Image, 1, 1, 1, {0, 0}, RGB(255, 0, 255)},
        {"sixteen-bit-rgba.png", Outcome::Image, 4, 2, 3, {3, 0}, RGB(0x12, 0x56, 0x9A)},
        {"palette.png", Outcome::Image, 4, 2, 3, {3, 0}, RGB(20, 40, 60)},
        {"greyscale.png", Outcome::Image, 4, 2, 0, {1, 0}, RGB(80, 80, 80)},
        {"interlaced.png", Outcome::Image, 9, 9, 3, {4, 4}, RGB(40, 40, 100)},
        {"larger-than-screen.png", Outcome::Image, 2600, 1700, 3, {2000, 1000}, RGB(30 + 2000 % 200, 60, 91)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::vector<char> bytes = ReadHostile(c.file);
        ASSERT_FALSE(bytes.empty());
        const CBitmap skin = DecodePng(bytes.data(), static_cast<DWORD>(bytes.size()));
        if (c.outcome == Outcome::Nothing ||
            (c.outcome == Outcome::Either && skin.GetSafeHandle() == nullptr)) {
            EXPECT_EQ(skin.GetSafeHandle(), nullptr);
            continue;
        }
        ASSERT_NE(skin.GetSafeHandle(), nullptr);
        BITMAP info = {};
        GetObjectW(skin, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
        EXPECT_EQ(info.bmBitsPixel, 32);
        EXPECT_EQ(PixelOf(skin, c.probe.x, c.probe.y), c.colour);
        int width = 0, height = 0;
        const CRgn region = MakeSkinRegion(skin, width, height);
        ASSERT_NE(region.GetSafeHandle(), nullptr)
            << "even an image of key pixels only gives a (empty) region";
        EXPECT_EQ(RegionArea(region), static_cast<int64_t>(c.width) * c.height - c.keyPixels);
    }
}

// The header promises 100,000 x 100,000 pixels, 40 GB decoded, on a few bytes of data.
TEST(HostileSkins, AHugeClaimReservesNoMemoryForItsPixels) {
    const std::vector<char> bytes = ReadHostile("huge-claim.png");
    const SIZE_T before = PeakPrivateBytes();
    EXPECT_EQ(DecodePng(bytes.data(), static_cast<DWORD>(bytes.size())).GetSafeHandle(), nullptr);
    EXPECT_LT(PeakPrivateBytes() - before, SIZE_T(64) << 20);
}

} // namespace
