#include "PngFile.h"

#include <png.h>

namespace {

std::string FormatName(png_uint_32 format) {
    if (format & PNG_FORMAT_FLAG_COLORMAP)
        return "palette";
    std::string name = (format & PNG_FORMAT_FLAG_LINEAR) ? "16-bit " : "8-bit ";
    name += (format & PNG_FORMAT_FLAG_COLOR) ? "RGB" : "grey";
    if (format & PNG_FORMAT_FLAG_ALPHA)
        name += (format & PNG_FORMAT_FLAG_COLOR) ? "A" : " with alpha";
    return name;
}

} // namespace

PngDecoding DecodePng(const std::vector<std::uint8_t>& file, BgraImage& image, long long maxPixels) {
    PngDecoding result;
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, file.data(), file.size())) {
        result.problem = png.message;
        return result;
    }
    result.format = FormatName(png.format);
    result.sixteenBit = (png.format & PNG_FORMAT_FLAG_LINEAR) != 0;
    if (static_cast<long long>(png.width) * png.height > maxPixels) {
        png_image_free(&png);
        result.problem = "too large to check (" + std::to_string(png.width) + " x " +
                         std::to_string(png.height) + " pixels)";
        return result;
    }
    png.format = PNG_FORMAT_BGRA;
    BgraImage decoded(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, decoded.bytes.data(), 0, nullptr)) {
        result.problem = png.message;
        png_image_free(&png);
        return result;
    }
    image = std::move(decoded);
    result.decoded = true;
    return result;
}

std::vector<std::uint8_t> EncodePng(const BgraImage& image) {
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(png, size, 0, image.bytes.data(), 0, nullptr))
        return {};
    std::vector<std::uint8_t> encoded(size);
    if (!png_image_write_to_memory(&png, encoded.data(), &size, 0, image.bytes.data(), 0, nullptr))
        return {};
    encoded.resize(size);
    return encoded;
}
