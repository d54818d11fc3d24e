// The launcher's face as data: one table per kind of control, each ending with a terminator row.
#pragma once

#include "Framework.h"
#include "FaceRows.h"

#include <iterator>

struct BUTTON_ITEM {
    CString caption;
    int id;
    int type; // ActionType of the click; 0 ends the table
    int normalImage;
    int hoverImage;
    int pressedImage;  // 0: the hover face
    int disabledImage; // 0: the normal face
    int left, top, right, bottom;
    CString url;
};

struct RADIO_ITEM {
    CString caption;
    unsigned int group;
    int id; // 0 ends the table
    int checkedImage;
    int normalImage;
    int left, top, right, bottom;
};

struct BROWSER_ITEM {
    int id;
    CString url; // empty ends the table
    int left, top, right, bottom;
};

struct PROGRESS_ITEM {
    int id; // 0 ends the table
    int left, top, right, bottom;
    int image;
    int rangeMax;
};

struct EDIT_ITEM {
    int id; // 0 ends the table
    int left, top, right, bottom;
    COLORREF background;
    int digitsOnly;
    int multiLine;
    int password;
};

// The button and pane tables are the face's rows (FaceRows.h) and the terminator row.
constexpr std::size_t kButtonItemCount = std::size(kButtonData) + 1;
constexpr std::size_t kBrowserItemCount = std::size(kBrowserData) + 1;

extern const BUTTON_ITEM (&g_ButtonItems)[kButtonItemCount];
extern const RADIO_ITEM g_RadioItems[1];
extern const BROWSER_ITEM (&g_BrowserItems)[kBrowserItemCount];
extern const PROGRESS_ITEM g_ProgressItems[1];
extern const EDIT_ITEM g_EditItems[1];
