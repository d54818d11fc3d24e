#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int initX, int initY) : POINT{initX, initY} {}
    constexpr CPoint(const POINT& point) : POINT(point) {}
    // Mouse messages pack signed 16-bit coordinates into lParam; a second monitor can make them negative.
    explicit CPoint(LPARAM dwPoint)
        : POINT{static_cast<short>(LOWORD(dwPoint)), static_cast<short>(HIWORD(dwPoint))} {}
};

class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
