#pragma once

#include "UiTableData.h"
#include "geometry.h"

#include <vector>

// Window geometry read from the launcher's own table data, so the images match what it draws at run time.
constexpr int kSkinWidth = kLayoutSkinWidth;
constexpr int kSkinHeight = kLayoutSkinHeight;

constexpr Rect toRect(const TABLE_RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

// The browser pane covers this at run time.
constexpr Rect kNoticePane = toRect(PaneRect(kBrowserData[0]));

// How a face looks: window buttons by what they do, web buttons by where they stand (the top bar's small
// plates, or the plinth's large ones).
enum class ButtonKind { Nav, Minimise, Close, PlinthLink, Start };

struct ButtonFace {
    int id; // the button's control id
    int normalId;
    int hoverId;
    int pressedId;
    int disabledId;
    ButtonKind kind;
    const char* label;
    Rect face;     // as the launcher's button table gives it
    bool onPlinth; // below the notice pane: on the plinth, in its shared well; otherwise in a tray
};

ButtonFace faceOf(const BUTTON_DATA& row);

// The launcher's button table, row by row.
const std::vector<ButtonFace>& tableButtons();

// Where the launcher draws a face: the button window reaches 3 pixels left of and 2 above the table's face
// rectangle, and the face is centred in that window, so it lands 2 pixels left of and 1 above it. Wells and
// the skin a face is built from lie there.
constexpr Rect drawnFace(const ButtonFace& b) {
    return Rect{b.face.left - 2, b.face.top - 1, b.face.right - 2, b.face.bottom - 1};
}
