// Where the launcher shows a button, for the benchmark programs that show the same without its code: the
// window reaches 3 pixels left of and 2 above the face rectangle of the button's row and keeps its right and
// bottom edges, and the face image is centred in the window.
#pragma once

#include "UiTableData.h"

constexpr TABLE_RECT ButtonWindowRect(const BUTTON_DATA& row) {
    return TABLE_RECT{row.left - 3, row.top - 2, row.right, row.bottom};
}

// Where an image of the given size starts in a window of the given size, along one axis.
constexpr int CentredStart(int window, int image) {
    return (window - image) / 2;
}
