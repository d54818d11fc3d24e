// The launcher's face as rows: one per button and one per pane, plain constant data free of Windows types.
// The launcher builds its tables from these rows (ui/UiTables.cpp), the asset generator paints the skin
// around them and the button faces from them (tools/assets), and the skin checks test images against them.
// Only the files that need the rows themselves include this; the others take the row types (RowTypes.h),
// so that a changed row rebuilds little.
#pragma once

#include "ActionType.h"
#include "RowTypes.h"

// Host names of the publisher's sites; the paths below are fixed by the sites themselves.
#define SKYREACH_GAME_SITE L"http://www.skyreach-online.com"
#define SKYREACH_FORUM_SITE L"http://forum.skyreach-online.com"
#define SKYREACH_SUPPORT_SITE L"http://support.skyreach-online.com"
#define SKYREACH_NOTICE_SITE L"http://notice.skyreach-online.com"

// One row per button, created in this order. A row is all there is to a button: tools/regenerate-assets.sh
// paints its well, its tray or plinth step and its faces (btn_<normal>.bmp and btn_<hover>.bmp, listed for
// the resource compiler in res/button_faces.rc) from the row. Buttons above the notice pane sit in the top
// bar's trays; buttons below it stand on the plinth and share its well. Image ids are the row's own: the
// generator paints the normal and hover faces, so the pressed and disabled faces reuse one of them or are 0.
// The shipped rows are also stated in the launcher's tests (tests/controls/UIBuilderTests.cpp).
// clang-format off
inline constexpr BUTTON_DATA kButtonData[] = {
//  caption id   action          normal hover pressed disabled face (left, top, right, bottom)
//          address, label
    {L"",   102, MinimiseParent, 190,   191,  190,    0,       {751, 18,  767, 34},
             L"", ""},
    {L"",   101, CloseParent,    184,   185,  185,    0,       {769, 18,  785, 34},
             L"", ""},
    {L"",   103, OpenUrl,        188,   189,  189,    0,       {47,  18,  105, 37},
             SKYREACH_GAME_SITE L"/", "HOME"},
    {L"",   104, OpenUrl,        192,   193,  193,    0,       {113, 18,  171, 37},
             SKYREACH_GAME_SITE L"/feeds.html", "NEWS"},
    {L"",   105, OpenUrl,        186,   187,  187,    0,       {179, 18,  237, 37},
             SKYREACH_FORUM_SITE L"/forumdisplay.php?6-Skyreach", "FORUM"},
    {L"",   106, OpenUrl,        196,   197,  197,    0,       {594, 18,  652, 37},
             SKYREACH_GAME_SITE L"/competitiveranking.html", "RANKING"},
    {L"",   107, OpenUrl,        182,   183,  183,    0,       {670, 18,  728, 37},
             SKYREACH_SUPPORT_SITE, "SUPPORT"},
    {L"",   108, OpenUrl,        198,   199,  199,    0,       {329, 533, 505, 565},
             SKYREACH_GAME_SITE L"/signup/?from=351714&pc=1", "SIGN UP"},
    {L"",   109, RequestStart,   194,   195,  195,    194,     {266, 566, 560, 612},
             L"", "START"},
};

// One row per browser pane: id, the address it shows, its rectangle in skin pixels.
inline constexpr BROWSER_DATA kBrowserData[] = {
    {112, SKYREACH_NOTICE_SITE L"/notice/Login_big/launcherPage.asp", {17, 57, 812, 521}},
};
// clang-format on

#undef SKYREACH_GAME_SITE
#undef SKYREACH_FORUM_SITE
#undef SKYREACH_SUPPORT_SITE
#undef SKYREACH_NOTICE_SITE
