#include "wells.h"

#include "colour.h"

#include <algorithm>

namespace {

bool isWindowButton(const ButtonFace& b) {
    return b.kind == ButtonKind::Minimise || b.kind == ButtonKind::Close;
}

// Web buttons' trays leave a pixel more at their ends than the window buttons' tray.
PixelRect trayAround(const ButtonFace& b) {
    const int across = isWindowButton(b) ? 6 : 7;
    constexpr int kAbove = 6;
    return PixelRect{b.face.left - across, b.face.top - kAbove, b.face.right + across,
                     b.face.bottom + kAbove};
}

// The space from one button to the next one along the bar.
PixelRect gapBetween(const ButtonFace& a, const ButtonFace& b) {
    return PixelRect{a.face.right, std::min(a.face.top, b.face.top), b.face.left,
                     std::max(a.face.bottom, b.face.bottom)};
}

} // namespace

Box wellHole(const ButtonFace& b) {
    return toBox(drawnFace(b)).inset(-double(kWellHoleReach));
}

PixelRect wellInk(const ButtonFace& b) {
    // The lip covers pixels whose centres lie within kWellLip + 0.5 of the hole.
    return drawnFace(b).Grown(kWellHoleReach + int(kWellLip + 0.5));
}

double wellRadius(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::Nav:
        return 5.0;
    case ButtonKind::PlinthLink:
        return 6.0;
    case ButtonKind::Start:
        return 8.0;
    default:
        return 4.0;
    }
}

std::vector<PlinthStep> plinthSteps(const std::vector<ButtonFace>& buttons) {
    std::vector<PlinthStep> steps;
    for (const ButtonFace& b : buttons) {
        if (!b.onPlinth) {
            continue;
        }
        // The start button's step is broad and deep, a little wider on its right; a web button's is narrow
        // and rises close under its face.
        const bool start = b.kind == ButtonKind::Start;
        const PixelRect& f = b.face;
        const PixelRect box = start ? PixelRect{f.left - 16, f.top - 9, f.right + 20, f.bottom + 48}
                                    : PixelRect{f.left - 17, f.top - 4, f.right + 17, f.bottom + 35};
        steps.push_back(PlinthStep{toBox(box), start ? 10.0 : 8.0, b.id});
    }
    return steps;
}

double smoothUnion(double a, double b, double k) {
    const double h = clamp01(0.5 + 0.5 * (b - a) / k);
    return b + (a - b) * h - k * h * (1.0 - h);
}

double plinthDistance(const std::vector<PlinthStep>& steps, double x, double y) {
    double distance = roundBoxDistance(x, y, steps.front().box, steps.front().radius);
    for (auto step = steps.begin() + 1; step != steps.end(); ++step) {
        distance = smoothUnion(distance, roundBoxDistance(x, y, step->box, step->radius), 8.0);
    }
    return distance;
}

std::vector<Tray> traysOf(const std::vector<ButtonFace>& buttons, const PixelRect& logo) {
    std::vector<const ButtonFace*> topBar;
    for (const ButtonFace& b : buttons) {
        if (!b.onPlinth) {
            topBar.push_back(&b);
        }
    }
    std::stable_sort(topBar.begin(), topBar.end(),
                     [](const ButtonFace* a, const ButtonFace* b) { return a->face.left < b->face.left; });
    std::vector<Tray> trays;
    const ButtonFace* previous = nullptr;
    for (const ButtonFace* b : topBar) {
        const PixelRect around = trayAround(*b);
        const bool joins = previous != nullptr && isWindowButton(*previous) == isWindowButton(*b) &&
                           !gapBetween(*previous, *b).Overlaps(logo);
        if (joins) {
            trays.back().rect = trays.back().rect.United(around);
            trays.back().ids.push_back(b->id);
        } else {
            trays.push_back(Tray{around, {b->id}});
        }
        previous = b;
    }
    return trays;
}
