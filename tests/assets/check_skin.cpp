// Checks the committed launcher images: the window skin's shape (the key-colour cut that becomes the window
// region), its PNG format, and the button face bitmaps the launcher's button table names, each the size of
// its button. Usage: check_skin <res>/skin.png [<bitmap-dir>]

#include "UiTableData.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = kLayoutSkinWidth;
constexpr int kHeight = kLayoutSkinHeight;
constexpr int kCorner = 8;
constexpr int kCurveTop = 592;
constexpr int kTabLeft = 281;
constexpr int kTabRight = 548; // inclusive
constexpr int kKeyPixels = 8763;
constexpr int kKeyRuns = 72;

int failures = 0;
int passes = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    ok ? ++passes : ++failures;
}

bool readFile(const std::string& path, std::vector<std::uint8_t>& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return false;
    std::uint8_t buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        out.insert(out.end(), buffer, buffer + n);
    std::fclose(f);
    return true;
}

std::uint32_t be32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}
std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}

bool isMagenta(const std::uint8_t* p) {
    return p[0] == 255 && p[1] == 0 && p[2] == 255;
}
bool isKey(const std::uint8_t* p) {
    return p[0] >= 238 && p[1] <= 17 && p[2] >= 238;
}

struct Skin {
    std::vector<std::uint8_t> rgba;
    const std::uint8_t* at(int x, int y) const {
        return &rgba[(std::size_t(y) * kWidth + std::size_t(x)) * 4];
    }
};

// The header is read directly: libpng's simplified reader would convert any format to RGBA silently.
void checkHeader(const std::vector<std::uint8_t>& file) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const bool framed = file.size() > 33 && std::equal(kSignature, kSignature + 8, file.begin()) &&
                        std::string(file.begin() + 12, file.begin() + 16) == "IHDR";
    check(framed, "PNG signature and IHDR first");
    if (!framed)
        return;
    const std::uint8_t* ihdr = &file[16];
    check(be32(ihdr) == kWidth && be32(ihdr + 4) == kHeight, "size 830 x 620");
    check(ihdr[8] == 8, "bit depth 8");
    check(ihdr[9] == 6, "colour type 6 (RGBA)");
    check(ihdr[12] == 0, "not interlaced");
}

bool decode(const std::vector<std::uint8_t>& file, Skin& skin) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size()))
        return false;
    image.format = PNG_FORMAT_RGBA;
    if (image.width != kWidth || image.height != kHeight) {
        png_image_free(&image);
        return false;
    }
    skin.rgba.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, skin.rgba.data(), 0, nullptr) != 0;
}

void checkShape(const Skin& skin) {
    bool opaque = true;
    int magenta = 0;
    int keyed = 0;
    int runs = 0;
    bool keyOnlyMagenta = true;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t* p = skin.at(x, y);
            opaque = opaque && p[3] == 255;
            magenta += isMagenta(p);
            keyed += isKey(p);
            keyOnlyMagenta = keyOnlyMagenta && (isKey(p) == isMagenta(p));
            runs += isMagenta(p) && (x == 0 || !isMagenta(skin.at(x - 1, y)));
        }
    }
    check(opaque, "every pixel has alpha 255");
    check(magenta == kKeyPixels, "pure magenta pixels: " + std::to_string(magenta) + " (want 8763)");
    check(runs == kKeyRuns, "magenta runs: " + std::to_string(runs) + " (want 72)");
    check(kWidth * kHeight - keyed == 505837,
          "window pixels under the key tolerance: " + std::to_string(kWidth * kHeight - keyed) +
              " (want 505837)");
    check(keyOnlyMagenta, "no near-magenta pixel outside the cut runs");

    bool corners = true;
    for (int y = 0; y < kCorner; ++y) {
        for (int x = 0; x < kWidth; ++x)
            corners = corners && isKey(skin.at(x, y)) == (x < kCorner - y || x >= kWidth - kCorner + y);
    }
    check(corners, "top corner cuts");

    bool body = true;
    for (int y = kCorner; y < kCurveTop; ++y) {
        for (int x = 0; x < kWidth; ++x)
            body = body && !isKey(skin.at(x, y));
    }
    check(body, "no cut between the corners and the bottom curve");

    // Each bottom row: one run from the left edge, one to the right edge, both widening downwards.
    bool curve = true;
    int lastLeft = 0;
    int lastRight = 0;
    for (int y = kCurveTop; y < kHeight; ++y) {
        int left = 0;
        while (left < kWidth && isKey(skin.at(left, y)))
            ++left;
        int right = 0;
        while (right < kWidth && isKey(skin.at(kWidth - 1 - right, y)))
            ++right;
        int inner = 0;
        for (int x = left; x < kWidth - right; ++x)
            inner += isKey(skin.at(x, y));
        curve = curve && left > 0 && right > 0 && inner == 0 && left >= lastLeft && right >= lastRight;
        lastLeft = left;
        lastRight = right;
    }
    check(curve, "bottom rows: one widening run on each side");

    bool tab = true;
    for (int x = 0; x < kWidth; ++x)
        tab = tab && isKey(skin.at(x, kHeight - 1)) == (x < kTabLeft || x > kTabRight);
    check(tab, "bottom row tab is x 281..548");
}

std::string boxText(int left, int top, int right, int bottom) {
    return "(" + std::to_string(left) + ", " + std::to_string(top) + ")-(" + std::to_string(right) + ", " +
           std::to_string(bottom) + ")";
}

// A button's window reaches 3 pixels left of and 2 above its face; the cut must not reach into it.
void checkButtonsInside(const Skin& skin) {
    for (const BUTTON_DATA& row : kButtonData) {
        const int left = row.left - 3;
        const int top = row.top - 2;
        bool inside = left >= 0 && top >= 0 && row.right <= kWidth && row.bottom <= kHeight;
        for (int y = std::max(top, 0); inside && y < row.bottom; ++y) {
            for (int x = std::max(left, 0); inside && x < row.right; ++x) {
                inside = !isKey(skin.at(x, y));
            }
        }
        check(inside, "button " + std::to_string(row.id) + "'s window " +
                          boxText(left, top, row.right, row.bottom) + " stays inside the window");
    }
}

void checkBitmap(const std::string& dir, int id, int width, int height) {
    const std::string name = "btn_" + std::to_string(id) + ".bmp";
    std::vector<std::uint8_t> b;
    const std::uint32_t pixels = std::uint32_t(width) * std::uint32_t(height) * 4u;
    if (!readFile(dir + "/" + name, b) || b.size() < 54) {
        check(false, name + " readable");
        return;
    }
    const bool header = b[0] == 'B' && b[1] == 'M' && le32(b, 2) == 54 + pixels && le32(b, 6) == 0 &&
                        le32(b, 10) == 54 && b.size() == 54 + pixels;
    const std::uint32_t resolution = le32(b, 38);
    const bool info = le32(b, 14) == 40 && le32(b, 18) == std::uint32_t(width) &&
                      le32(b, 22) == std::uint32_t(height) && le16(b, 26) == 1 && le16(b, 28) == 32 &&
                      le32(b, 30) == 0 && le32(b, 34) == pixels && le32(b, 42) == resolution &&
                      (resolution == 0 || resolution == 2835) && le32(b, 46) == 0 && le32(b, 50) == 0;
    check(header && info,
          name + " headers (" + std::to_string(width) + " x " + std::to_string(height) + ", 32 bpp)");
    if (!header)
        return;
    bool padZero = true;
    bool clear = true;
    for (std::size_t at = 54; at + 4 <= b.size(); at += 4) {
        const std::uint8_t rgb[3] = {b[at + 2], b[at + 1], b[at]};
        padZero = padZero && b[at + 3] == 0;
        clear = clear && !isMagenta(rgb) && !isKey(rgb);
    }
    check(padZero, name + " fourth byte 0");
    check(clear, name + " free of magenta");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: check_skin <skin.png> [<bitmap-dir>]\n");
        return 2;
    }
    const std::string skinPath = argv[1];
    const std::size_t slash = skinPath.find_last_of('/');
    const std::string dir =
        argc == 3 ? argv[2] : (slash == std::string::npos ? "." : skinPath.substr(0, slash));

    std::vector<std::uint8_t> file;
    if (!readFile(skinPath, file)) {
        std::fprintf(stderr, "check_skin: cannot read %s\n", skinPath.c_str());
        return 1;
    }
    checkHeader(file);
    Skin skin;
    const bool decoded = decode(file, skin);
    check(decoded, "skin decodes");
    if (decoded) {
        checkShape(skin);
        checkButtonsInside(skin);
    }
    // The pressed and disabled faces reuse the normal or the hover image.
    for (const BUTTON_DATA& row : kButtonData) {
        for (const int id : {row.normalImage, row.hoverImage}) {
            checkBitmap(dir, id, row.right - row.left, row.bottom - row.top);
        }
    }
    std::printf("check_skin: %d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
