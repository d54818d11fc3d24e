// Checks the committed launcher images through the skin checker's own analysis: the checker must find nothing
// to report on the skin and the button face bitmaps the launcher's button table names, and the skin's cut
// (the key colour that becomes the window region) must have the shipped skin's shape.
// Usage: check_skin <res>/skin.png [<bitmap-dir>]

#include "Assessment.h"
#include "FileBytes.h"
#include "SkinCheck.h"
#include "ButtonWindow.h"
#include "FaceRows.h"
#include "KeyColours.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = kSkinWidth;
constexpr int kHeight = kSkinHeight;
constexpr int kCorner = 8;
constexpr int kCurveTop = 592;
constexpr int kTabLeft = 281;
constexpr int kTabRight = 548; // inclusive

int failures = 0;
int passes = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    ok ? ++passes : ++failures;
}

// The IHDR's interlace method: the checker's decoder reads interlaced files as well, but the shipped skin
// is not one.
void CheckNotInterlaced(const std::string& skinPath) {
    constexpr std::size_t kInterlaceAt = 8 + 8 + 12; // signature, IHDR length and type, then 12 bytes in
    std::vector<std::uint8_t> file;
    Check(ReadFileBytes(skinPath, file) && file.size() > kInterlaceAt && file[kInterlaceAt] == 0,
          "not interlaced");
}

class CutMap {
public:
    explicit CutMap(const SkinFindings& findings) : m_findings(findings) {}
    bool At(int x, int y) const {
        return (m_findings.marks[static_cast<std::size_t>(y) * m_findings.width + x] &
                (kCutPixel | kHolePixel)) != 0;
    }

private:
    const SkinFindings& m_findings;
};

void CheckPixels(const SkinCheck& check) {
    const CutMap cut(check.findings);
    bool opaque = true;
    bool cutIsMagenta = true;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t* bgra = check.skin.At(x, y);
            opaque = opaque && bgra[3] == 255;
            const bool magenta = IsFaceKeyColour(bgra[2], bgra[1], bgra[0]);
            cutIsMagenta = cutIsMagenta && cut.At(x, y) == magenta;
        }
    }
    Check(opaque, "every pixel has alpha 255, the cut ones too");
    Check(cutIsMagenta, "the cut is pure magenta, and no other pixel is");
}

void CheckShape(const SkinFindings& findings) {
    Check(findings.runs == 72, "key runs: " + std::to_string(findings.runs) + " (want 72)");
    Check(findings.batches == 1, "region batches: " + std::to_string(findings.batches) + " (want 1)");
    Check(findings.cutPixels == 8763, "cut pixels: " + Grouped(findings.cutPixels) + " (want 8,763)");
    Check(findings.keptPixels == 505837,
          "window pixels: " + Grouped(findings.keptPixels) + " (want 505,837)");

    const CutMap cut(findings);
    bool corners = true;
    for (int y = 0; y < kCorner; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            corners = corners && cut.At(x, y) == (x < kCorner - y || x >= kWidth - kCorner + y);
        }
    }
    Check(corners, "top corner cuts");

    bool body = true;
    for (int y = kCorner; y < kCurveTop; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            body = body && !cut.At(x, y);
        }
    }
    Check(body, "no cut between the corners and the bottom curve");

    // Each bottom row: one run from the left edge, one to the right edge, both widening downwards.
    bool curve = true;
    int lastLeft = 0;
    int lastRight = 0;
    for (int y = kCurveTop; y < kHeight; ++y) {
        int left = 0;
        while (left < kWidth && cut.At(left, y)) {
            ++left;
        }
        int right = 0;
        while (right < kWidth && cut.At(kWidth - 1 - right, y)) {
            ++right;
        }
        bool inner = false;
        for (int x = left; x < kWidth - right; ++x) {
            inner = inner || cut.At(x, y);
        }
        curve = curve && left > 0 && right > 0 && !inner && left >= lastLeft && right >= lastRight;
        lastLeft = left;
        lastRight = right;
    }
    Check(curve, "bottom rows: one widening run on each side");

    bool tab = true;
    for (int x = 0; x < kWidth; ++x) {
        tab = tab && cut.At(x, kHeight - 1) == (x < kTabLeft || x > kTabRight);
    }
    Check(tab, "bottom row tab is x 281..548");
}

// The checker looks at the faces; the cut must not reach into the margin of a button's window either.
void CheckButtonWindows(const SkinFindings& findings) {
    const CutMap cut(findings);
    for (const BUTTON_DATA& row : kButtonData) {
        const PixelRect window = ButtonWindowRect(row.face);
        bool inside =
            window.left >= 0 && window.top >= 0 && window.right <= kWidth && window.bottom <= kHeight;
        for (int y = window.top; inside && y < window.bottom; ++y) {
            for (int x = window.left; inside && x < window.right; ++x) {
                inside = !cut.At(x, y);
            }
        }
        Check(inside, "button " + std::to_string(row.id) + "'s window " + PixelRectText(window) +
                          " stays inside the window");
    }
}

void CheckButtonImages(const SkinCheck& check) {
    Check(!check.bitmaps.empty(), "the button table names its images");
    for (const ButtonImage& image : check.bitmaps) {
        Check(image.facts.readable && image.SizeMatches() && image.facts.depth == 32 &&
                  image.facts.pixelsRead && image.facts.magentaPixels == 0,
              image.file + " is " + std::to_string(image.facts.width) + " x " +
                  std::to_string(image.facts.height) + " at " + std::to_string(image.facts.depth) +
                  " bpp (want its button's size, 32 bpp, no magenta)");
    }
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

    const SkinCheck check = CheckSkin(skinPath, dir);
    const std::vector<Message> messages = Assess(check);
    for (const Message& message : messages) {
        std::printf("     the checker says: %s\n", message.text.c_str());
    }
    Check(messages.empty(), "the skin checker finds nothing to report");
    Check(check.decoding.decoded, "skin decodes");
    if (check.decoding.decoded) {
        Check(check.decoding.format == "8-bit RGBA",
              "format " + check.decoding.format + " (want 8-bit RGBA)");
        Check(check.findings.width == kWidth && check.findings.height == kHeight,
              "size " + std::to_string(check.findings.width) + " x " + std::to_string(check.findings.height));
        CheckNotInterlaced(skinPath);
        if (check.findings.width == kWidth && check.findings.height == kHeight) {
            CheckPixels(check);
            CheckShape(check.findings);
            CheckButtonWindows(check.findings);
        }
    }
    CheckButtonImages(check);
    std::printf("check_skin: %d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
