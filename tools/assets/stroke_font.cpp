#include "stroke_font.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "geometry.h"

namespace {

struct Point {
    double x;
    double y;
};

using Stroke = std::initializer_list<Point>;

struct Glyph {
    char letter;
    double width;
    std::initializer_list<Stroke> strokes;
};

// Octagonal capitals: chamfered corners read as carved metal.
const Glyph kGlyphs[] = {
    {'A', 4.0, {{{0, 6}, {1.5, 0}, {2.5, 0}, {4, 6}}, {{0.6, 3.6}, {3.4, 3.6}}}},
    {'C', 4.0, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}}},
    {'E', 4.0, {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3.2, 3}}}},
    {'H', 4.0, {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}}},
    {'K', 4.0, {{{0, 0}, {0, 6}}, {{3.8, 0}, {0, 3.6}}, {{1.5, 2.2}, {4, 6}}}},
    {'R', 4.0, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2.2, 3}, {4, 6}}}},
    {'S',
     4.0,
     {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
    {'Y', 4.0, {{{0, 0}, {2, 3.2}, {4, 0}}, {{2, 3.2}, {2, 6}}}},
};

const Glyph* findGlyph(char letter) {
    for (const Glyph& g : kGlyphs) {
        if (g.letter == letter)
            return &g;
    }
    return nullptr;
}

struct Segment {
    double ax, ay, bx, by;
    double minX, minY, maxX, maxY; // bounds grown by the stroke radius
};

std::vector<Segment> layOut(std::string_view text, double left, double top, const TextStyle& s) {
    std::vector<Segment> segments;
    const double baseline = top + textHeight(s);
    const auto place = [&](double penX, Point p) {
        const double y = top + p.y * s.unitY;
        return Point{penX + p.x * s.unitX + (baseline - y) * s.slant, y};
    };
    double penX = left;
    for (const char letter : text) {
        const Glyph* glyph = findGlyph(letter);
        if (glyph == nullptr)
            continue;
        for (const Stroke& stroke : glyph->strokes) {
            const Point* prev = nullptr;
            for (const Point& p : stroke) {
                if (prev != nullptr) {
                    const Point a = place(penX, *prev);
                    const Point b = place(penX, p);
                    segments.push_back({a.x, a.y, b.x, b.y, std::min(a.x, b.x) - s.radius,
                                        std::min(a.y, b.y) - s.radius, std::max(a.x, b.x) + s.radius,
                                        std::max(a.y, b.y) + s.radius});
                }
                prev = &p;
            }
        }
        penX += glyph->width * s.unitX + s.tracking;
    }
    return segments;
}

} // namespace

double textWidth(std::string_view text, const TextStyle& style) {
    double width = 0.0;
    int glyphs = 0;
    for (const char letter : text) {
        if (const Glyph* glyph = findGlyph(letter)) {
            width += glyph->width * style.unitX;
            ++glyphs;
        }
    }
    return glyphs > 0 ? width + style.tracking * (glyphs - 1) : 0.0;
}

void drawText(Mask& mask, std::string_view text, double left, double top, const TextStyle& style,
              int samples) {
    const std::vector<Segment> segments = layOut(text, left, top, style);
    if (segments.empty())
        return;
    double minX = segments[0].minX, minY = segments[0].minY, maxX = segments[0].maxX, maxY = segments[0].maxY;
    for (const Segment& s : segments) {
        minX = std::min(minX, s.minX);
        minY = std::min(minY, s.minY);
        maxX = std::max(maxX, s.maxX);
        maxY = std::max(maxY, s.maxY);
    }
    const int x0 = std::max(0, int(std::floor(minX)));
    const int y0 = std::max(0, int(std::floor(minY)));
    const int x1 = std::min(mask.width(), int(std::floor(maxX)) + 1);
    const int y1 = std::min(mask.height(), int(std::floor(maxY)) + 1);
    const double step = 1.0 / samples;
    std::vector<const Segment*> near;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            near.clear();
            for (const Segment& s : segments) {
                if (x + 1 >= s.minX && x <= s.maxX && y + 1 >= s.minY && y <= s.maxY)
                    near.push_back(&s);
            }
            if (near.empty())
                continue;
            int inside = 0;
            for (int sy = 0; sy < samples; ++sy) {
                const double py = y + (sy + 0.5) * step;
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) * step;
                    for (const Segment* s : near) {
                        if (segmentDistance(px, py, s->ax, s->ay, s->bx, s->by) <= style.radius) {
                            ++inside;
                            break;
                        }
                    }
                }
            }
            const double cover = double(inside) / double(samples * samples);
            mask.at(x, y) = std::max(mask.at(x, y), cover);
        }
    }
}
