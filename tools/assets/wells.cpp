#include "wells.h"

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
