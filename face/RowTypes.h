// What a row of the launcher's face holds (the rows themselves are in FaceRows.h).
#pragma once

#include "PixelRect.h"

// The skin size the rectangles below are laid out for.
constexpr int kSkinWidth = 830;
constexpr int kSkinHeight = 620;

struct BUTTON_DATA {
    const wchar_t* caption;
    int id;
    int type; // ActionType of the click
    int normalImage;
    int hoverImage;
    int pressedImage;  // 0: the hover face
    int disabledImage; // 0: the normal face
    PixelRect face;    // the face image's rectangle in skin pixels
    const wchar_t* url;
    const char* label; // what the asset generator writes on the faces (Labels.h); window buttons wear a glyph
};

struct BROWSER_DATA {
    int id;
    const wchar_t* url;
    PixelRect pane;
};
