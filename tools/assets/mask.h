#pragma once

#include <cstddef>
#include <vector>

// Per-pixel coverage in 0..1, used for text and for glows built from it.
class Mask {
public:
    Mask(int width, int height)
        : width_(width), height_(height), values_(std::size_t(width) * std::size_t(height), 0.0) {}

    int width() const { return width_; }
    int height() const { return height_; }

    double& at(int x, int y) { return values_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
    double at(int x, int y) const { return values_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }

    // Zero outside the mask, so shifted lookups (shadows) need no bounds checks at the call site.
    double sample(int x, int y) const {
        return (x < 0 || y < 0 || x >= width_ || y >= height_) ? 0.0 : at(x, y);
    }

private:
    int width_;
    int height_;
    std::vector<double> values_;
};

// Three box-blur passes per axis: a cheap, exactly repeatable stand-in for a Gaussian glow.
Mask blurred(const Mask& source, int radius);
