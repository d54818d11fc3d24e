#include "SkinKeyRuns.h"

bool CollectKeyRuns(const BgraPixels& pixels, KeyRunSink& sink) {
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* row = pixels.topRow + y * pixels.rowStep;
        const auto isKey = [row](int x) {
            const std::uint8_t* pixel = row + static_cast<std::ptrdiff_t>(x) * 4;
            return IsSkinKeyColour(pixel[2], pixel[1], pixel[0]);
        };
        int x = 0;
        while (x < pixels.width) {
            const int runStart = x;
            while (x < pixels.width && isKey(x)) {
                ++x;
            }
            if (x > runStart && !sink.Append(KeyRun{runStart, x, y})) {
                return false;
            }
            ++x;
        }
    }
    return true;
}
