#pragma once

#include "PixelRect.h"

#include <algorithm>

// Continuous rectangle in pixel space; pixel (x, y) covers [x, x + 1) x [y, y + 1).
struct Box {
    double left;
    double top;
    double right;
    double bottom;

    constexpr double centreX() const { return (left + right) * 0.5; }
    constexpr double centreY() const { return (top + bottom) * 0.5; }
    constexpr Box inset(double by) const { return {left + by, top + by, right - by, bottom - by}; }
};

constexpr Box toBox(const PixelRect& r) {
    return {double(r.left), double(r.top), double(r.right), double(r.bottom)};
}

// Signed distance to a rounded box: negative inside, positive outside.
double roundBoxDistance(double x, double y, const Box& box, double radius);

// IEEE square root: correctly rounded, so identical on every machine.
double sqrtOf(double v);

// Distance from a point to the segment a-b.
double segmentDistance(double px, double py, double ax, double ay, double bx, double by);

// Area fraction of a pixel inside a shape, from the signed distance at its centre.
constexpr double coverFromDistance(double signedDistance) {
    const double c = 0.5 - signedDistance;
    return c < 0.0 ? 0.0 : (c > 1.0 ? 1.0 : c);
}

// Unit gradient of a distance function by central differences; (0, 0) where it is flat.
template <class Distance> void unitGradient(Distance distance, double x, double y, double& nx, double& ny) {
    const double gx = distance(x + 0.5, y) - distance(x - 0.5, y);
    const double gy = distance(x, y + 0.5) - distance(x, y - 0.5);
    const double length = gx * gx + gy * gy;
    nx = 0.0;
    ny = 0.0;
    if (length > 0.0) {
        const double inv = 1.0 / sqrtOf(length);
        nx = gx * inv;
        ny = gy * inv;
    }
}
