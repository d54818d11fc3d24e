#include "SkinAnalysis.h"

#include "FaceRows.h"
#include "RegionBatches.h"

#include <algorithm>
#include <iterator>

namespace {

class CRunCounter final : public KeyRunSink {
public:
    bool Append(const KeyRun& run) override {
        ++runs;
        keyPixels += run.right - run.left;
        return true;
    }

    long long runs = 0;
    long long keyPixels = 0;
};

bool IsKeyPixel(const BgraImage& skin, std::size_t at) {
    const std::uint8_t* p = &skin.bytes[at * 4];
    return IsSkinKeyColour(p[2], p[1], p[0]);
}

// The largest distance of a channel from magenta.
int DistanceFromKey(const std::uint8_t* bgra) {
    return std::max({255 - bgra[2], static_cast<int>(bgra[1]), 255 - bgra[0]});
}

// Marks the 4-connected key pixels reachable from the seeds with `mark`, adding each to `spread`.
void FloodKey(const BgraImage& skin, std::vector<std::uint8_t>& marks, std::vector<int>& pending,
              std::uint8_t mark, PixelSpread& spread) {
    const int width = skin.width;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * skin.height;
    const auto visit = [&](std::size_t at) {
        if (marks[at] == kKeptPixel && IsKeyPixel(skin, at)) {
            marks[at] = mark;
            pending.push_back(static_cast<int>(at));
        }
    };
    while (!pending.empty()) {
        const std::size_t at = static_cast<std::size_t>(pending.back());
        pending.pop_back();
        const int x = static_cast<int>(at % width);
        spread.Add(x, static_cast<int>(at / width));
        if (x > 0)
            visit(at - 1);
        if (x + 1 < width)
            visit(at + 1);
        if (at >= static_cast<std::size_t>(width))
            visit(at - width);
        if (at + width < pixelCount)
            visit(at + width);
    }
}

void MarkCutAndHoles(const BgraImage& skin, SkinFindings& findings) {
    const int width = skin.width;
    const int height = skin.height;
    std::vector<int> pending;
    const auto seed = [&](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * width + x;
        if (findings.marks[at] == kKeptPixel && IsKeyPixel(skin, at)) {
            findings.marks[at] = kCutPixel;
            pending.push_back(static_cast<int>(at));
        }
    };
    for (int x = 0; x < width; ++x) {
        seed(x, 0);
        seed(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        seed(0, y);
        seed(width - 1, y);
    }
    PixelSpread outline;
    FloodKey(skin, findings.marks, pending, kCutPixel, outline);

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * width + x;
            if (findings.marks[at] != kKeptPixel || !IsKeyPixel(skin, at))
                continue;
            findings.marks[at] = kHolePixel;
            pending.push_back(static_cast<int>(at));
            PixelSpread hole;
            FloodKey(skin, findings.marks, pending, kHolePixel, hole);
            findings.holes.push_back(hole);
        }
    }
}

bool TouchesKey(const SkinFindings& findings, int x, int y) {
    const auto isKey = [&](int px, int py) {
        return px >= 0 && py >= 0 && px < findings.width && py < findings.height &&
               (findings.marks[static_cast<std::size_t>(py) * findings.width + px] &
                (kCutPixel | kHolePixel)) != 0;
    };
    return isKey(x - 1, y) || isKey(x + 1, y) || isKey(x, y - 1) || isKey(x, y + 1);
}

void MarkHaloAndTranslucent(const BgraImage& skin, SkinFindings& findings) {
    for (int y = 0; y < skin.height; ++y) {
        for (int x = 0; x < skin.width; ++x) {
            std::uint8_t& mark = findings.marks[static_cast<std::size_t>(y) * skin.width + x];
            if (mark != kKeptPixel)
                continue;
            const std::uint8_t* p = skin.At(x, y);
            const int distance = DistanceFromKey(p);
            if (distance <= kHaloReach || (distance <= kHaloReachAtCut && TouchesKey(findings, x, y))) {
                mark |= kHaloPixel;
                findings.halo.Add(x, y);
            }
            if (p[3] < 255) {
                mark |= kTranslucentPixel;
                findings.translucent.Add(x, y);
            }
        }
    }
}

std::string ButtonName(const BUTTON_DATA& button) {
    static const char* const kRoles[] = {"", "selection", "minimise", "close", "web page", "start"};
    const bool known = button.type > 0 && button.type < static_cast<int>(std::size(kRoles));
    return "button " + std::to_string(button.id) +
           (known ? std::string(" (") + kRoles[button.type] + ")" : "");
}

Placement Place(const std::string& name, const PixelRect& rect, const SkinFindings& findings) {
    Placement placement;
    placement.name = name;
    placement.rect = rect;
    placement.beyondSkin =
        rect.left < 0 || rect.top < 0 || rect.right > findings.width || rect.bottom > findings.height;
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, findings.height); ++y) {
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, findings.width); ++x) {
            const std::uint8_t mark = findings.marks[static_cast<std::size_t>(y) * findings.width + x];
            placement.cutPixels += (mark & (kCutPixel | kHolePixel)) != 0;
        }
    }
    return placement;
}

} // namespace

void PixelSpread::Add(int x, int y) {
    if (pixels++ == 0) {
        bounds = PixelRect{x, y, x + 1, y + 1};
        return;
    }
    bounds.left = std::min(bounds.left, x);
    bounds.top = std::min(bounds.top, y);
    bounds.right = std::max(bounds.right, x + 1);
    bounds.bottom = std::max(bounds.bottom, y + 1);
}

SkinFindings AnalyseSkin(const BgraImage& skin) {
    SkinFindings findings;
    findings.width = skin.width;
    findings.height = skin.height;

    CRunCounter counter;
    CollectKeyRuns(skin.View(), counter);
    findings.runs = counter.runs;
    findings.batches = RegionBatchCount(counter.runs);
    findings.cutPixels = counter.keyPixels;
    findings.keptPixels = static_cast<long long>(skin.width) * skin.height - counter.keyPixels;

    findings.marks.assign(static_cast<std::size_t>(skin.width) * skin.height, kKeptPixel);
    MarkCutAndHoles(skin, findings);
    MarkHaloAndTranslucent(skin, findings);

    for (const BUTTON_DATA& button : kButtonData)
        findings.placements.push_back(Place(ButtonName(button), button.face, findings));
    for (const BROWSER_DATA& pane : kBrowserData)
        findings.placements.push_back(Place("pane " + std::to_string(pane.id), pane.pane, findings));
    MarkOverlaps(findings.placements);
    return findings;
}

void MarkOverlaps(std::vector<Placement>& placements) {
    for (Placement& placement : placements)
        placement.overlapping.clear();
    for (std::size_t i = 0; i < placements.size(); ++i) {
        for (std::size_t j = i + 1; j < placements.size(); ++j) {
            if (placements[i].rect.Overlaps(placements[j].rect)) {
                placements[i].overlapping.push_back(j);
                placements[j].overlapping.push_back(i);
            }
        }
    }
}
