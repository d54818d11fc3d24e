#include "mask.h"

namespace {

Mask boxPass(const Mask& src, int radius, bool horizontal) {
    Mask out(src.width(), src.height());
    const double norm = 1.0 / double(2 * radius + 1);
    const int lines = horizontal ? src.height() : src.width();
    const int length = horizontal ? src.width() : src.height();
    for (int line = 0; line < lines; ++line) {
        const auto value = [&](int i) { return horizontal ? src.sample(i, line) : src.sample(line, i); };
        double sum = 0.0;
        for (int i = -radius; i <= radius; ++i)
            sum += value(i);
        for (int i = 0; i < length; ++i) {
            (horizontal ? out.at(i, line) : out.at(line, i)) = sum * norm;
            sum += value(i + radius + 1) - value(i - radius);
        }
    }
    return out;
}

} // namespace

Mask blurred(const Mask& source, int radius) {
    Mask m = source;
    for (int pass = 0; pass < 3; ++pass) {
        m = boxPass(m, radius, true);
        m = boxPass(m, radius, false);
    }
    return m;
}
