#pragma once

#include "UiTableData.h"
#include "geometry.h"

// Window geometry read from the launcher's own table data, so the images match what it draws at run time.
constexpr int kSkinWidth = kLayoutSkinWidth;
constexpr int kSkinHeight = kLayoutSkinHeight;

constexpr Rect toRect(const TABLE_RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

// The browser pane covers this at run time.
constexpr Rect kNoticePane = toRect(PaneRect(kBrowserData[0]));

// The face rectangle of the button whose normal image is normalId.
constexpr Rect tableFace(int normalId) {
    for (const BUTTON_DATA& button : kButtonData) {
        if (button.normalImage == normalId)
            return toRect(FaceRect(button));
    }
    return Rect{0, 0, 0, 0};
}

enum class ButtonKind { Nav, Minimise, Close, SignUp, Start };

struct ButtonFace {
    int normalId; // hover face is normalId + 1
    ButtonKind kind;
    const char* label;
    Rect face; // as the launcher's button table gives it
};

// Where the launcher draws a face: the button window reaches 3 pixels left of and 2 above the table's face
// rectangle, and the face is centred in that window, so it lands 2 pixels left of and 1 above it. Wells and
// the skin a face is built from lie there.
constexpr Rect drawnFace(const ButtonFace& b) {
    return Rect{b.face.left - 2, b.face.top - 1, b.face.right - 2, b.face.bottom - 1};
}

constexpr ButtonFace kButtons[] = {
    {IDB_SUPPORT_NORMAL, ButtonKind::Nav, "SUPPORT", tableFace(IDB_SUPPORT_NORMAL)},
    {IDB_CLOSE_NORMAL, ButtonKind::Close, "", tableFace(IDB_CLOSE_NORMAL)},
    {IDB_FORUM_NORMAL, ButtonKind::Nav, "FORUM", tableFace(IDB_FORUM_NORMAL)},
    {IDB_HOME_NORMAL, ButtonKind::Nav, "HOME", tableFace(IDB_HOME_NORMAL)},
    {IDB_MINIMISE_NORMAL, ButtonKind::Minimise, "", tableFace(IDB_MINIMISE_NORMAL)},
    {IDB_NEWS_NORMAL, ButtonKind::Nav, "NEWS", tableFace(IDB_NEWS_NORMAL)},
    {IDB_START_NORMAL, ButtonKind::Start, "START", tableFace(IDB_START_NORMAL)},
    {IDB_RANKING_NORMAL, ButtonKind::Nav, "RANKING", tableFace(IDB_RANKING_NORMAL)},
    {IDB_SIGNUP_NORMAL, ButtonKind::SignUp, "SIGN UP", tableFace(IDB_SIGNUP_NORMAL)},
};
