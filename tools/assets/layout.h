#pragma once

#include "geometry.h"

// Window geometry shared with the launcher: every number here must match what the program draws at run time.
constexpr int kSkinWidth = 830;
constexpr int kSkinHeight = 620;

// The browser pane covers this at run time.
constexpr Rect kNoticePane{17, 57, 812, 521};

enum class ButtonKind { Nav, Minimise, Close, SignUp, Start };

struct ButtonFace {
    int normalId; // hover face is normalId + 1
    ButtonKind kind;
    const char *label;
    Rect face; // as the launcher's button table gives it
};

// Where the launcher draws a face: the button window reaches 3 pixels left of and 2 above the table's face
// rectangle, and the face is centred in that window, so it lands 2 pixels left of and 1 above it. Wells and
// the skin a face is built from lie there.
constexpr Rect drawnFace(const ButtonFace &b) {
    return Rect{b.face.left - 2, b.face.top - 1, b.face.right - 2, b.face.bottom - 1};
}

constexpr ButtonFace kButtons[] = {
    {182, ButtonKind::Nav, "SUPPORT", {670, 18, 728, 37}},
    {184, ButtonKind::Close, "", {769, 18, 785, 34}},
    {186, ButtonKind::Nav, "FORUM", {179, 18, 237, 37}},
    {188, ButtonKind::Nav, "HOME", {47, 18, 105, 37}},
    {190, ButtonKind::Minimise, "", {751, 18, 767, 34}},
    {192, ButtonKind::Nav, "NEWS", {113, 18, 171, 37}},
    {194, ButtonKind::Start, "START", {266, 566, 560, 612}},
    {196, ButtonKind::Nav, "RANKING", {594, 18, 652, 37}},
    {198, ButtonKind::SignUp, "SIGN UP", {329, 533, 505, 565}},
};
