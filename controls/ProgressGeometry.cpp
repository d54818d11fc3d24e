#include "ProgressGeometry.h"

#include <cstdint>

namespace {

// (value - minimum) * usable / (maximum - minimum), in 64 bits: neither the product nor the span fits in an
// int for every range.
int Scale(int value, const ProgressValues& values, int usable) {
    const int64_t span = static_cast<int64_t>(values.rangeMax) - values.rangeMin;
    return static_cast<int>((static_cast<int64_t>(value) - values.rangeMin) * usable / span);
}

} // namespace

ProgressGeometry ComputeProgressGeometry(int length, int sliceLength, const ProgressValues& values) {
    ProgressGeometry geometry = {length - sliceLength, 0, 0, false};
    if (values.rangeMax == values.rangeMin) {
        return geometry;
    }
    const int usable = length - 2 * sliceLength;
    geometry.endPx = Scale(values.endValue, values, usable);
    if (values.endValue != values.rangeMin) {
        geometry.endPx += sliceLength;
    }
    geometry.startPx = Scale(values.startValue, values, usable);
    geometry.filled = values.endValue > values.rangeMin;
    if (geometry.endPx > length - sliceLength) {
        geometry.endPx = length - sliceLength;
    }
    if (geometry.startPx > geometry.endPx - sliceLength && geometry.filled) {
        geometry.startPx = geometry.endPx - sliceLength;
    }
    return geometry;
}
