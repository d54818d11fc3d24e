// The one rectangle of the launcher's face: the tables' rectangles, a button's item and caption boxes,
// what the skin checker and the asset generator measure. Windows-free; the Win32 code turns it into a RECT
// where it calls the system.
#pragma once

#include <string>

// Left, top, right, bottom in pixels; right and bottom are exclusive, so right - left is the width.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Overlaps(const PixelRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    constexpr PixelRect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr PixelRect Grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    // The smallest rectangle holding both.
    constexpr PixelRect United(const PixelRect& other) const {
        return {left < other.left ? left : other.left, top < other.top ? top : other.top,
                right > other.right ? right : other.right, bottom > other.bottom ? bottom : other.bottom};
    }
    constexpr bool operator==(const PixelRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    constexpr bool operator!=(const PixelRect& other) const { return !(*this == other); }
};

// "(751, 18)-(767, 34)": how the launcher's tools name a rectangle to a person.
std::string PixelRectText(const PixelRect& rect);
