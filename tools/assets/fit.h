#pragma once

#include "layout.h"
#include "outline.h"

#include <string>
#include <vector>

// Why the buttons cannot be painted where their rows put them, one sentence per problem naming the
// rectangles involved; empty when everything fits. A face must carry its label and keep clear of the window
// frame; a well or tray must keep clear of the logo, of the notice pane's frame and of other buttons' faces;
// a plinth step must keep clear of the notice pane's frame; and each face must be an image of its own row.
std::vector<std::string> misfits(const std::vector<ButtonFace>& buttons, const Outline& outline,
                                 const PixelRect& logo);
