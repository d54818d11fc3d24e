// The platform floor's window: what the launcher's window shows, made by Win32 alone from the launcher's
// data and resources, none of its code. The launcher's dialog template at the skin's size with the skin,
// decoded by GDI+ from the system directory, as its background; one plain child window per button at the
// button's place, each showing its normal face with one copy; one web-browser control hosted by the
// system's own ATL at the notice pane's place, navigating to the notice page. The floor program runs it
// as its modal dialog; the repaint benchmark makes one beside the launcher's window.
#pragma once

#include <windows.h>
#include <exdisp.h>

template <typename Function> Function* FindExport(HMODULE module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

struct FloorWindow {
    HBITMAP skin = nullptr;
    SIZE skinSize = {};
    HDC skinDc = nullptr; // the skin selected, for one copy per erase
    HGDIOBJ skinDcBitmap = nullptr;
    HMODULE atl = nullptr; // the browser's host; freed by the program after OLE
    IWebBrowser2* browser = nullptr;
};

// The procedure of a dialog made from the launcher's template with a FloorWindow as its parameter; a
// window whose skin or browser cannot be made ends with 1.
INT_PTR CALLBACK FloorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What the window kept, once it is gone.
void ReleaseFloorWindow(FloorWindow& floor);
