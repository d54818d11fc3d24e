#include "BmpFile.h"

#include "ByteWriter.h"
#include "KeyColours.h"

#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
// Written files leave their resolution unsaid (0): nothing reads it, and it keeps every file alike.
constexpr std::uint32_t kPixelsPerMetre = 0;

// Rows are padded to whole 32-bit words.
std::size_t RowBytes(std::size_t width, std::size_t bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

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
    const std::size_t stride =
        RowBytes(static_cast<std::size_t>(facts.width), static_cast<std::size_t>(facts.depth));
    if (offset > file.size() || (file.size() - offset) / stride < static_cast<std::size_t>(facts.height))
        return false;
    for (int y = 0; y < facts.height; ++y) {
        const std::uint8_t* row = file.data() + offset + y * stride;
        for (int x = 0; x < facts.width; ++x) {
            const std::uint8_t* pixel = row + x * bytesPerPixel;
            facts.magentaPixels += IsFaceKeyColour(pixel[2], pixel[1], pixel[0]);
        }
    }
    return true;
}

void WriteInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, std::size_t imageSize) {
    out.le32(kInfoHeaderSize);
    out.le32(static_cast<std::uint32_t>(width));
    out.le32(static_cast<std::uint32_t>(height));
    out.le16(1); // planes
    out.le16(static_cast<std::uint32_t>(bitsPerPixel));
    out.le32(kUncompressed);
    out.le32(static_cast<std::uint32_t>(imageSize));
    out.le32(kPixelsPerMetre);
    out.le32(kPixelsPerMetre);
    out.le32(0); // colours used
    out.le32(0); // colours important
}

// Bottom-up rows of blue, green, red (and a zero byte at 32 bits), each padded to its word.
void WritePixelRows(ByteWriter& out, const BgraImage& image, int bitsPerPixel) {
    const std::size_t width = static_cast<std::size_t>(image.width);
    const std::size_t padding = RowBytes(width, bitsPerPixel) - width * (bitsPerPixel / 8);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.At(x, y);
            out.u8(p[0]);
            out.u8(p[1]);
            out.u8(p[2]);
            if (bitsPerPixel == 32)
                out.u8(0);
        }
        for (std::size_t i = 0; i < padding; ++i)
            out.u8(0);
    }
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

std::vector<std::uint8_t> EncodeBmp32(const BgraImage& image) {
    const std::size_t imageSize = RowBytes(static_cast<std::size_t>(image.width), 32) * image.height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.le32(static_cast<std::uint32_t>(offset + imageSize));
    out.le32(0); // reserved
    out.le32(offset);
    WriteInfoHeader(out, image.width, image.height, 32, imageSize);
    WritePixelRows(out, image, 32);
    return out.take();
}

std::vector<std::uint8_t> EncodeIco24(const BgraImage& image) {
    constexpr std::uint32_t kDirectorySize = 6 + 16;
    const std::size_t width = static_cast<std::size_t>(image.width);
    const std::size_t colourBytes = RowBytes(width, 24) * image.height;
    const std::size_t maskBytes = RowBytes(width, 1) * image.height;
    const std::size_t imageSize = colourBytes + maskBytes;

    ByteWriter out;
    out.le16(0); // reserved
    out.le16(1); // icon
    out.le16(1); // one image
    out.u8(static_cast<std::uint32_t>(image.width));
    out.u8(static_cast<std::uint32_t>(image.height));
    out.u8(0);   // no palette
    out.u8(0);   // reserved
    out.le16(1); // planes
    out.le16(24);
    out.le32(static_cast<std::uint32_t>(kInfoHeaderSize + imageSize));
    out.le32(kDirectorySize);
    // An icon's header counts the colour rows and the mask rows together, hence twice the height.
    WriteInfoHeader(out, image.width, image.height * 2, 24, imageSize);
    WritePixelRows(out, image, 24);
    for (std::size_t i = 0; i < maskBytes; ++i)
        out.u8(0); // all opaque
    return out.take();
}
