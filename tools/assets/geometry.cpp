#include "geometry.h"

#include <algorithm>
#include <cmath>

double roundBoxDistance(double x, double y, const Box& box, double radius) {
    const double halfW = (box.right - box.left) * 0.5 - radius;
    const double halfH = (box.bottom - box.top) * 0.5 - radius;
    const double qx = std::fabs(x - box.centreX()) - halfW;
    const double qy = std::fabs(y - box.centreY()) - halfH;
    const double ox = std::max(qx, 0.0);
    const double oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - radius;
}

double sqrtOf(double v) {
    return std::sqrt(v);
}

double segmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSq = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSq > 0.0)
        t = std::clamp(((px - ax) * dx + (py - ay) * dy) / lengthSq, 0.0, 1.0);
    const double ex = px - (ax + dx * t);
    const double ey = py - (ay + dy * t);
    return std::sqrt(ex * ex + ey * ey);
}
