#include "bmp_writer.h"

#include "byte_writer.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Resolution fields stay 0 (not given): nothing reads them, and it keeps every file alike.
constexpr std::uint32_t kPixelsPerMetre = 0;

std::uint32_t rowBytes(int width, int bitsPerPixel) {
    return (std::uint32_t(width) * bitsPerPixel + 31u) / 32u * 4u;
}

void infoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize) {
    out.le32(kInfoHeaderSize);
    out.le32(std::uint32_t(width));
    out.le32(std::uint32_t(height));
    out.le16(1); // planes
    out.le16(std::uint32_t(bitsPerPixel));
    out.le32(0); // BI_RGB
    out.le32(imageSize);
    out.le32(kPixelsPerMetre);
    out.le32(kPixelsPerMetre);
    out.le32(0); // colours used
    out.le32(0); // colours important
}

// Bottom-up BGR(A) rows, each padded to a multiple of four bytes.
void pixelRows(ByteWriter& out, const Bitmap& image, bool withPadByte) {
    const std::uint32_t used = std::uint32_t(image.width) * (withPadByte ? 4u : 3u);
    const std::uint32_t padding = rowBytes(image.width, withPadByte ? 32 : 24) - used;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            out.u8(p[2]);
            out.u8(p[1]);
            out.u8(p[0]);
            if (withPadByte)
                out.u8(0);
        }
        for (std::uint32_t i = 0; i < padding; ++i)
            out.u8(0);
    }
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const Bitmap& image) {
    const std::uint32_t imageSize = rowBytes(image.width, 32) * std::uint32_t(image.height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.le32(offset + imageSize);
    out.le32(0); // reserved
    out.le32(offset);
    infoHeader(out, image.width, image.height, 32, imageSize);
    pixelRows(out, image, true);
    return out.take();
}

std::vector<std::uint8_t> encodeIco(const Bitmap& image) {
    constexpr std::uint32_t kDirectorySize = 6 + 16;
    const std::uint32_t colourBytes = rowBytes(image.width, 24) * std::uint32_t(image.height);
    const std::uint32_t maskBytes = rowBytes(image.width, 1) * std::uint32_t(image.height);
    const std::uint32_t imageSize = colourBytes + maskBytes;

    ByteWriter out;
    out.le16(0); // reserved
    out.le16(1); // icon
    out.le16(1); // one image
    out.u8(std::uint32_t(image.width));
    out.u8(std::uint32_t(image.height));
    out.u8(0);   // no palette
    out.u8(0);   // reserved
    out.le16(1); // planes
    out.le16(24);
    out.le32(kInfoHeaderSize + imageSize);
    out.le32(kDirectorySize);
    // An icon's header counts the colour rows and the mask rows together, hence twice the height.
    infoHeader(out, image.width, image.height * 2, 24, imageSize);
    pixelRows(out, image, false);
    for (std::uint32_t i = 0; i < maskBytes; ++i)
        out.u8(0); // all opaque
    return out.take();
}
