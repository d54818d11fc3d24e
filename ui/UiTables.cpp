#include "UiTables.h"

#include "UiTableData.h"

namespace {

BUTTON_ITEM ButtonItem(const BUTTON_DATA& row) {
    return BUTTON_ITEM{row.caption,    row.id,           row.type,          row.normalImage,
                       row.hoverImage, row.pressedImage, row.disabledImage, row.left,
                       row.top,        row.right,        row.bottom,        row.url};
}

BROWSER_ITEM BrowserItem(const BROWSER_DATA& row) {
    return BROWSER_ITEM{row.id, row.url, row.left, row.top, row.right, row.bottom};
}

} // namespace

const BUTTON_ITEM g_ButtonItems[10] = {
    ButtonItem(kButtonData[0]), ButtonItem(kButtonData[1]),
    ButtonItem(kButtonData[2]), ButtonItem(kButtonData[3]),
    ButtonItem(kButtonData[4]), ButtonItem(kButtonData[5]),
    ButtonItem(kButtonData[6]), ButtonItem(kButtonData[7]),
    ButtonItem(kButtonData[8]), {L"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L""},
};

const RADIO_ITEM g_RadioItems[1] = {
    {L"", 0, 0, 0, 0, 0, 0, 0, 0},
};

const BROWSER_ITEM g_BrowserItems[2] = {
    BrowserItem(kBrowserData[0]),
    {0, L"", 0, 0, 0, 0},
};

const PROGRESS_ITEM g_ProgressItems[1] = {
    {0, 0, 0, 0, 0, 0, 0},
};

const EDIT_ITEM g_EditItems[1] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};
