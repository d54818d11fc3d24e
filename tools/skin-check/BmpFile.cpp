#include "BmpFile.h"

#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

std::uint32_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

BitmapFacts Unreadable(const char* problem) {
    BitmapFacts facts;
    facts.problem = problem;
    return facts;
}

// Counts magenta in an uncompressed 24- or 32-bit pixel array; the fourth byte of 32-bit pixels is not
// colour. False when the file is too short for the array.
bool CountMagenta(const std::vector<std::uint8_t>& file, std::uint32_t offset, BitmapFacts& facts) {
    const std::size_t bytesPerPixel = static_cast<std::size_t>(facts.depth) / 8;
    const std::size_t stride = (static_cast<std::size_t>(facts.width) * bytesPerPixel + 3) / 4 * 4;
    if (offset > file.size() || (file.size() - offset) / stride < static_cast<std::size_t>(facts.height))
        return false;
    for (int y = 0; y < facts.height; ++y) {
        const std::uint8_t* row = file.data() + offset + y * stride;
        for (int x = 0; x < facts.width; ++x) {
            const std::uint8_t* pixel = row + x * bytesPerPixel;
            facts.magentaPixels += pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255;
        }
    }
    return true;
}

} // namespace

BitmapFacts ReadBitmapFacts(const std::vector<std::uint8_t>& file) {
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M')
        return Unreadable("not a Windows bitmap");
    const std::uint32_t pixelOffset = Le32(file, 10);
    const std::uint32_t headerSize = Le32(file, kFileHeaderSize);
    if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize)
        return Unreadable("unknown bitmap header");
    if (file.size() < kFileHeaderSize + headerSize)
        return Unreadable("bitmap header cut short");

    BitmapFacts facts;
    long long width = 0;
    long long height = 0;
    std::uint32_t compression = kUncompressed;
    if (headerSize == kCoreHeaderSize) {
        width = Le16(file, 18);
        height = Le16(file, 20);
        facts.depth = static_cast<int>(Le16(file, 24));
    } else {
        width = static_cast<std::int32_t>(Le32(file, 18));
        height = static_cast<std::int32_t>(Le32(file, 22));
        facts.depth = static_cast<int>(Le16(file, 28));
        compression = Le32(file, 30);
    }
    // A negative height marks a bitmap stored top row first; the size is the same.
    height = std::llabs(height);
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        return Unreadable("impossible bitmap size");
    facts.width = static_cast<int>(width);
    facts.height = static_cast<int>(height);
    facts.readable = true;
    if (compression == kUncompressed && (facts.depth == 24 || facts.depth == 32)) {
        facts.pixelsRead = CountMagenta(file, pixelOffset, facts);
        if (!facts.pixelsRead)
            return Unreadable("pixels cut short");
    }
    return facts;
}
