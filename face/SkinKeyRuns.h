// Which skin pixels the window cuts away, and the horizontal runs they form. Plain pixel work without
// Windows types: the region builder and the host tools that check skins run this same code.
#pragma once

#include "KeyColours.h"

#include <cstddef>
#include <cstdint>

// 32-bit pixels, four bytes each in the order blue, green, red, alpha. Row y starts at
// topRow + y * rowStep, so a bottom-up bitmap has a negative step.
struct BgraPixels {
    const std::uint8_t* topRow;
    std::ptrdiff_t rowStep;
    int width;
    int height;
};

// A maximal horizontal run of key pixels: columns left to right - 1 of row y.
struct KeyRun {
    int left;
    int right;
    int y;
};

class KeyRunSink {
public:
    // False ends the scan.
    virtual bool Append(const KeyRun& run) = 0;

protected:
    ~KeyRunSink() = default;
};

// Hands every run to the sink, rows from the top, each row from the left. False when the sink ended
// the scan.
bool CollectKeyRuns(const BgraPixels& pixels, KeyRunSink& sink);
