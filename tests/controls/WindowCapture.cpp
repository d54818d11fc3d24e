#include "WindowCapture.h"

#include <algorithm>

#include "Framework.h"

Capture CaptureWindow(HWND window) {
    ::UpdateWindow(window);
    CRect client;
    ::GetClientRect(window, &client);
    Capture capture{client.Width(), client.Height(), std::vector<uint32_t>(client.Width() * client.Height())};
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), capture.width, -capture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC windowDC = ::GetDC(window);
    CBitmap section;
    section.Attach(::CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CMemoryDC memory(windowDC);
    {
        const CSelectObjectScope select(memory, section);
        ::BitBlt(memory, 0, 0, capture.width, capture.height, windowDC, 0, 0, SRCCOPY);
    }
    ::GdiFlush();
    std::copy_n(static_cast<const uint32_t*>(bits), capture.pixels.size(), capture.pixels.begin());
    ::ReleaseDC(window, windowDC);
    return capture;
}
