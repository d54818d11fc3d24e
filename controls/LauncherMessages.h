// Private messages of the launcher window, posted to it by its buttons.
#pragma once

#include <windows.h>

constexpr UINT LM_START = WM_USER + 4000;    // start the patcher and end the launcher
constexpr UINT LM_SELECTED = WM_USER + 4002; // a button was selected; wParam holds its control id
