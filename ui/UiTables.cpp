#include "UiTables.h"

#include <utility>

namespace {

BUTTON_ITEM ButtonItem(const BUTTON_DATA& row) {
    return BUTTON_ITEM{row.caption,    row.id,           row.type,          row.normalImage,
                       row.hoverImage, row.pressedImage, row.disabledImage, row.face.left,
                       row.face.top,   row.face.right,   row.face.bottom,   row.url};
}

BROWSER_ITEM BrowserItem(const BROWSER_DATA& row) {
    return BROWSER_ITEM{row.id, row.url, row.pane.left, row.pane.top, row.pane.right, row.pane.bottom};
}

// A whole table as one object, so that it can be made from its data rows whatever their number.
template <class Item, std::size_t DataRows> struct TableRows { Item rows[DataRows + 1]; };

template <class Item, class Data, std::size_t DataRows, std::size_t... Row>
TableRows<Item, DataRows> MakeTable(const Data (&data)[DataRows], Item (*convert)(const Data&),
                                    const Item& terminator, std::index_sequence<Row...>) {
    return TableRows<Item, DataRows>{{convert(data[Row])..., terminator}};
}

template <class Item, class Data, std::size_t DataRows>
TableRows<Item, DataRows> MakeTable(const Data (&data)[DataRows], Item (*convert)(const Data&),
                                    const Item& terminator) {
    return MakeTable(data, convert, terminator, std::make_index_sequence<DataRows>());
}

const auto kButtonTable =
    MakeTable(kButtonData, &ButtonItem, BUTTON_ITEM{L"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L""});
const auto kBrowserTable = MakeTable(kBrowserData, &BrowserItem, BROWSER_ITEM{0, L"", 0, 0, 0, 0});

} // namespace

const BUTTON_ITEM (&g_ButtonItems)[kButtonItemCount] = kButtonTable.rows;

const RADIO_ITEM g_RadioItems[1] = {
    {L"", 0, 0, 0, 0, 0, 0, 0, 0},
};

const BROWSER_ITEM (&g_BrowserItems)[kBrowserItemCount] = kBrowserTable.rows;

const PROGRESS_ITEM g_ProgressItems[1] = {
    {0, 0, 0, 0, 0, 0, 0},
};

const EDIT_ITEM g_EditItems[1] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};
