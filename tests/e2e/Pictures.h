// Pixels the end-to-end tests compare: the screen, the committed skin and the committed button faces.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class Picture {
public:
    Picture() = default;
    Picture(int width, int height) : m_width(width), m_height(height), m_pixels(width * height, 0) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_pixels.empty(); }
    COLORREF At(int x, int y) const { return m_pixels[y * m_width + x]; }
    void Set(int x, int y, COLORREF colour) { m_pixels[y * m_width + x] = colour; }
    // Copies source onto this with its top-left at (x, y); pixels of the key colour are left out.
    void Draw(const Picture& source, int x, int y, COLORREF key);
    // The part of this picture within rect.
    Picture Crop(const RECT& rect) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// Pixels that differ between two pictures of one size; every pixel when the sizes differ.
int CountDifferences(const Picture& a, const Picture& b);

// What the screen shows within rect (screen coordinates).
Picture CaptureScreen(const RECT& rect);
COLORREF ScreenPixel(int x, int y);
// A PNG, BMP or other image file as GDI+ decodes it; empty when it cannot be read.
Picture LoadPicture(const std::wstring& file);
