#include "outline.h"

#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kFirstCurveRow = kSkinHeight - kBottomRows;
constexpr std::int64_t kWeightScale = 10000;

// One side's cut widths for the bottom rows: a cubic ease from a few pixels to the full tab cut.
// `lift` (in 1/10000) shapes the start of the curve; the end is flat so the tab walls meet the bottom
// edge softly. Integer arithmetic keeps the result identical everywhere.
std::array<int, kBottomRows> easedWidths(std::int64_t lift) {
    std::array<int, kBottomRows> widths{};
    constexpr std::int64_t n = kBottomRows;
    constexpr std::int64_t denominator = n * n * n * kWeightScale;
    for (std::int64_t j = 1; j <= n; ++j) {
        const std::int64_t numerator =
            3 * (n - j) * (n - j) * j * lift + 3 * (n - j) * j * j * kWeightScale + j * j * j * kWeightScale;
        widths[std::size_t(j - 1)] = int((2 * kTabBottomCut * numerator + denominator) / (2 * denominator));
    }
    return widths;
}

int sum(const std::array<int, kBottomRows>& w) {
    int total = 0;
    for (const int v : w)
        total += v;
    return total;
}

// Gives one more pixel to the row where the curve climbs fastest, which bends its shape the least.
bool widenOnce(std::array<int, kBottomRows>& w) {
    std::size_t best = kBottomRows;
    int bestGap = 1;
    for (std::size_t i = 0; i + 1 < kBottomRows; ++i) {
        const int gap = w[i + 1] - w[i];
        if (gap > bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    if (best == kBottomRows)
        return false;
    ++w[best];
    return true;
}

bool fail(std::string& error, const std::string& message) {
    error = message;
    return false;
}

bool validate(const Outline& o, std::string& error) {
    int pixels = 0;
    int runs = 0;
    for (int y = 0; y < kSkinHeight; ++y) {
        const int l = o.left[std::size_t(y)];
        const int r = o.right[std::size_t(y)];
        if (l + r >= kSkinWidth)
            return fail(error, "row " + std::to_string(y) + " is cut away completely");
        pixels += l + r;
        runs += (l > 0) + (r > 0);
    }
    if (pixels != kKeyPixelTotal)
        return fail(error, "outline cuts " + std::to_string(pixels) + " pixels, expected " +
                               std::to_string(kKeyPixelTotal));
    if (runs != kKeyRunTotal)
        return fail(error, "outline has " + std::to_string(runs) + " runs, expected " +
                               std::to_string(kKeyRunTotal));
    for (int y = kFirstCurveRow; y < kSkinHeight; ++y) {
        const std::size_t i = std::size_t(y);
        if (o.left[i] < 1 || o.right[i] < 1)
            return fail(error, "row " + std::to_string(y) + " lacks a cut on one side");
        if (y > kFirstCurveRow && (o.left[i] < o.left[i - 1] || o.right[i] < o.right[i - 1]))
            return fail(error, "bottom curve narrows again at row " + std::to_string(y));
    }
    const std::size_t last = kSkinHeight - 1;
    if (o.left[last] != kTabBottomCut || o.right[last] != kTabBottomCut)
        return fail(error, "bottom row does not leave the expected tab");
    return true;
}

} // namespace

bool buildOutline(Outline& outline, std::string& error) {
    outline = Outline{};
    for (int y = 0; y < kCornerCut; ++y) {
        outline.left[std::size_t(y)] = kCornerCut - y;
        outline.right[std::size_t(y)] = kCornerCut - y;
    }

    // The side curves share what is left; the largest symmetric shape that fits leaves a pixel or two,
    // handed out alternately starting on the right (the total is odd).
    const int budget = kKeyPixelTotal - kCornerCut * (kCornerCut + 1);
    std::int64_t lift = 0;
    while (lift < kWeightScale && 2 * sum(easedWidths(lift + 1)) <= budget)
        ++lift;
    std::array<int, kBottomRows> left = easedWidths(lift);
    std::array<int, kBottomRows> right = left;
    for (int missing = budget - 2 * sum(left), turn = 0; missing > 0; --missing, ++turn) {
        if (!widenOnce(turn % 2 == 0 ? right : left))
            return fail(error, "bottom curve cannot absorb the remaining pixels");
    }
    for (int i = 0; i < kBottomRows; ++i) {
        outline.left[std::size_t(kFirstCurveRow + i)] = left[std::size_t(i)];
        outline.right[std::size_t(kFirstCurveRow + i)] = right[std::size_t(i)];
    }
    return validate(outline, error);
}

std::vector<double> edgeDistances(const Outline& outline, double limit) {
    // The cut's true edge is taken as the line through the end of each row's run at the row's centre: the
    // staircase of whole pixels stays, but bands measured from this line run smooth along slopes.
    const auto leftEdge = [&](int y) { return double(outline.left[std::size_t(y)]); };
    const auto rightEdge = [&](int y) { return double(kSkinWidth - outline.right[std::size_t(y)]); };
    const auto extend = [](double inner, double next) { return inner + (inner - next) * 0.5; };
    const double leftTop = extend(leftEdge(0), leftEdge(1));
    const double rightTop = extend(rightEdge(0), rightEdge(1));
    const double leftBottom = extend(leftEdge(kSkinHeight - 1), leftEdge(kSkinHeight - 2));
    const double rightBottom = extend(rightEdge(kSkinHeight - 1), rightEdge(kSkinHeight - 2));

    std::vector<double> out(std::size_t(kSkinWidth) * kSkinHeight, 0.0);
    const int reach = int(std::ceil(limit)) + 1;
    for (int y = 0; y < kSkinHeight; ++y) {
        for (int x = 0; x < kSkinWidth; ++x) {
            if (outline.isCut(x, y))
                continue;
            const double px = x + 0.5;
            const double py = y + 0.5;
            double best = std::min({limit, px, py, kSkinWidth - px, kSkinHeight - py});
            const auto consider = [&](double ax, double ay, double bx, double by) {
                best = std::min(best, segmentDistance(px, py, ax, ay, bx, by));
            };
            if (y < reach) {
                consider(leftTop, 0.0, leftEdge(0), 0.5);
                consider(rightTop, 0.0, rightEdge(0), 0.5);
            }
            if (y >= kSkinHeight - reach) {
                consider(leftEdge(kSkinHeight - 1), kSkinHeight - 0.5, leftBottom, kSkinHeight);
                consider(rightEdge(kSkinHeight - 1), kSkinHeight - 0.5, rightBottom, kSkinHeight);
            }
            for (int row = std::max(0, y - reach); row < std::min(kSkinHeight - 1, y + reach); ++row) {
                consider(leftEdge(row), row + 0.5, leftEdge(row + 1), row + 1.5);
                consider(rightEdge(row), row + 0.5, rightEdge(row + 1), row + 1.5);
            }
            out[std::size_t(y) * kSkinWidth + std::size_t(x)] = best;
        }
    }
    return out;
}
