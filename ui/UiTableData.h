// The numbers and texts of the launcher's button and browser-pane tables as plain constant data, free
// of Windows types: the launcher builds its tables from these rows, and host tools check skins and
// button images against the very same numbers.
#pragma once

#include "ActionType.h"
#include "resource.h"

// The skin size the rectangles below are laid out for.
constexpr int kLayoutSkinWidth = 830;
constexpr int kLayoutSkinHeight = 620;

// Left, top, right, bottom in skin pixels; right and bottom are exclusive.
struct TABLE_RECT {
    int left;
    int top;
    int right;
    int bottom;
};

struct BUTTON_DATA {
    const wchar_t* caption;
    int id;
    int type; // ActionType of the click
    int normalImage;
    int hoverImage;
    int pressedImage;             // 0: the hover face
    int disabledImage;            // 0: the normal face
    int left, top, right, bottom; // the face image's rectangle
    const wchar_t* url;
};

struct BROWSER_DATA {
    int id;
    const wchar_t* url;
    int left, top, right, bottom;
};

constexpr TABLE_RECT FaceRect(const BUTTON_DATA& row) {
    return TABLE_RECT{row.left, row.top, row.right, row.bottom};
}

constexpr TABLE_RECT PaneRect(const BROWSER_DATA& row) {
    return TABLE_RECT{row.left, row.top, row.right, row.bottom};
}

// Host names of the publisher's sites; the paths below are fixed by the sites themselves.
#define SKYREACH_GAME_SITE L"http://www.skyreach-online.com"
#define SKYREACH_FORUM_SITE L"http://forum.skyreach-online.com"
#define SKYREACH_SUPPORT_SITE L"http://support.skyreach-online.com"
#define SKYREACH_NOTICE_SITE L"http://notice.skyreach-online.com"

inline constexpr BUTTON_DATA kButtonData[9] = {
    {L"", 102, MinimiseParent, IDB_MINIMISE_NORMAL, IDB_MINIMISE_HOVER, IDB_MINIMISE_NORMAL, 0, 751, 18, 767,
     34, L""},
    {L"", 101, CloseParent, IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_HOVER, 0, 769, 18, 785, 34, L""},
    {L"", 103, OpenUrl, IDB_HOME_NORMAL, IDB_HOME_HOVER, IDB_HOME_HOVER, 0, 47, 18, 105, 37,
     SKYREACH_GAME_SITE L"/"},
    {L"", 104, OpenUrl, IDB_NEWS_NORMAL, IDB_NEWS_HOVER, IDB_NEWS_HOVER, 0, 113, 18, 171, 37,
     SKYREACH_GAME_SITE L"/feeds.html"},
    {L"", 105, OpenUrl, IDB_FORUM_NORMAL, IDB_FORUM_HOVER, IDB_FORUM_HOVER, 0, 179, 18, 237, 37,
     SKYREACH_FORUM_SITE L"/forumdisplay.php?6-Skyreach"},
    {L"", 106, OpenUrl, IDB_RANKING_NORMAL, IDB_RANKING_HOVER, IDB_RANKING_HOVER, 0, 594, 18, 652, 37,
     SKYREACH_GAME_SITE L"/competitiveranking.html"},
    {L"", 107, OpenUrl, IDB_SUPPORT_NORMAL, IDB_SUPPORT_HOVER, IDB_SUPPORT_HOVER, 0, 670, 18, 728, 37,
     SKYREACH_SUPPORT_SITE},
    {L"", 108, OpenUrl, IDB_SIGNUP_NORMAL, IDB_SIGNUP_HOVER, IDB_SIGNUP_HOVER, 0, 329, 533, 505, 565,
     SKYREACH_GAME_SITE L"/signup/?from=351714&pc=1"},
    {L"", 109, RequestStart, IDB_START_NORMAL, IDB_START_HOVER, IDB_START_HOVER, IDB_START_NORMAL, 266, 566,
     560, 612, L""},
};

inline constexpr BROWSER_DATA kBrowserData[1] = {
    {112, SKYREACH_NOTICE_SITE L"/notice/Login_big/launcherPage.asp", 17, 57, 812, 521},
};

#undef SKYREACH_GAME_SITE
#undef SKYREACH_FORUM_SITE
#undef SKYREACH_SUPPORT_SITE
#undef SKYREACH_NOTICE_SITE
