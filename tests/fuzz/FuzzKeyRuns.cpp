// The run scanner on arbitrary pixels, rows read top-down or bottom-up: every run it reports must be a
// maximal run of key pixels inside the picture, in scan order, and together they must cover every key
// pixel exactly once.
#include "SkinKeyRuns.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

class CheckedRuns final : public KeyRunSink {
public:
    CheckedRuns(const BgraPixels& pixels) : m_pixels(pixels) {}

    bool Append(const KeyRun& run) override {
        const bool inside = run.y >= 0 && run.y < m_pixels.height && run.left >= 0 && run.left < run.right &&
                            run.right <= m_pixels.width;
        const bool inOrder = run.y > m_lastY || (run.y == m_lastY && run.left > m_lastRight);
        if (!inside || !inOrder)
            __builtin_trap();
        for (int x = run.left; x < run.right; ++x) {
            if (!IsKey(x, run.y))
                __builtin_trap();
        }
        if ((run.left > 0 && IsKey(run.left - 1, run.y)) ||
            (run.right < m_pixels.width && IsKey(run.right, run.y)))
            __builtin_trap();
        m_lastY = run.y;
        m_lastRight = run.right;
        covered += run.right - run.left;
        return true;
    }

    bool IsKey(int x, int y) const {
        const std::uint8_t* p = m_pixels.topRow + y * m_pixels.rowStep + static_cast<std::ptrdiff_t>(x) * 4;
        return IsSkinKeyColour(p[2], p[1], p[0]);
    }

    long long covered = 0;

private:
    BgraPixels m_pixels;
    int m_lastY = -1;
    int m_lastRight = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int width = 1 + data[0] % 64;
    const bool bottomUp = (data[1] & 1) != 0;
    const std::vector<std::uint8_t> bytes(data + 2, data + size);
    const int height = static_cast<int>(bytes.size() / (static_cast<std::size_t>(width) * 4));
    if (height == 0)
        return 0;
    const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(width) * 4;
    const BgraPixels pixels = {bottomUp ? bytes.data() + (height - 1) * stride : bytes.data(),
                               bottomUp ? -stride : stride, width, height};
    CheckedRuns runs(pixels);
    if (!CollectKeyRuns(pixels, runs))
        __builtin_trap();
    long long keyPixels = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            keyPixels += runs.IsKey(x, y);
    }
    if (keyPixels != runs.covered)
        __builtin_trap();
    return 0;
}
