// The launcher's button rows found by what they do, for tests that need a real button, its place or its
// images without repeating the table.
#pragma once

#include "FaceRows.h"

// The first row whose click does `action`; the shipped table has a minimise, a close, a start and web
// buttons.
constexpr const BUTTON_DATA& ButtonRowFor(ActionType action) {
    for (const BUTTON_DATA& row : kButtonData) {
        if (row.type == action) {
            return row;
        }
    }
    return kButtonData[0];
}
