#pragma once

#include "layout.h"
#include "outline.h"
#include "wells.h"

#include <string>
#include <vector>

// What the fit rules measure against, worked out once: how far each pixel lies from the window's edge, the
// logo, and the notice pane with its frame.
struct FitContext {
    std::vector<double> edgeDistance; // row-major, kSkinWidth x kSkinHeight
    PixelRect logo;
    PixelRect pane;
    PixelRect paneFrame;
};

FitContext fitContext(const Outline& outline, const PixelRect& logo, const PixelRect& pane);

// One reason the buttons cannot be painted where their rows put them, naming the rectangles involved.
struct Misfit {
    enum Kind {
        Row,   // a fault of the row itself (images, ids, label), which no other place mends
        Place, // where the first button named stands
        Tray,  // where a tray of the top bar stands, with all its buttons
    };
    std::string text;
    std::vector<int> ids; // control ids of the buttons it concerns, the one named first first
    Kind kind;
};

// Empty when everything fits. A face must carry its label and keep clear of the window frame; a well or
// tray must keep clear of the logo, of the notice pane's frame and of other buttons' faces; a plinth step
// must keep clear of the notice pane's frame; and each face must be an image of its own row.
std::vector<Misfit> misfits(const std::vector<ButtonFace>& buttons, const FitContext& context);

// A tray of the top bar and the span along the bar it may grow into: from the nearest thing it must keep
// clear of on its left to the nearest on its right.
struct TraySpan {
    Tray tray;
    PixelRect free;
};

// "the tray (587, 12)-(735, 43) around buttons 106, 107"
std::string trayName(const Tray& tray);

std::vector<TraySpan> traySpans(const std::vector<ButtonFace>& buttons, const FitContext& context);

// For the problems found: the nearest place where each button whose place is at fault would fit, moving its
// row alone; the free span of each tray at fault, and the nearest shift along the bar that clears it.
std::vector<std::string> whatWouldFit(const std::vector<ButtonFace>& buttons,
                                      const std::vector<Misfit>& problems, const FitContext& context);
