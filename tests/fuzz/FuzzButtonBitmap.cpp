// A button bitmap file of any content: the facts read from it must stay within what the file can hold.
#include "BmpFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const BitmapFacts facts = ReadBitmapFacts(std::vector<std::uint8_t>(data, data + size));
    if (!facts.readable)
        return 0;
    const bool sane = facts.width > 0 && facts.height > 0 && facts.width <= kMaxBitmapSide &&
                      facts.height <= kMaxBitmapSide && facts.magentaPixels >= 0 &&
                      facts.magentaPixels <= static_cast<long long>(facts.width) * facts.height;
    if (!sane || (facts.pixelsRead && static_cast<std::size_t>(facts.width) * facts.depth / 8 > size))
        __builtin_trap();
    return 0;
}
