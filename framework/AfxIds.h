#pragma once

// Plain defines so that resource scripts can include this header too.

#define ID_HELP 0xE146
#define AFX_IDW_PANE_FIRST 0xE900

// Notifications a parent reflects back to the child that sent them arrive at the child as
// WM_REFLECT_BASE + the original message (WM_USER + 0x1C00, the classic OCM base).
#define WM_REFLECT_BASE 0x2000
