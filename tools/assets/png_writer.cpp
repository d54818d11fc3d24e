#include "png_writer.h"

#include "byte_writer.h"

#include <cstdlib>
#include <zlib.h>

namespace {

constexpr int kChannels = 4;
constexpr int kCompressionLevel = 9;

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Filters one row with each of the five PNG filters and keeps the one with the smallest sum of
// absolute (signed) residuals: the usual heuristic, and fully determined by the pixels.
void filterRow(const std::uint8_t* row, const std::uint8_t* above, std::size_t length,
               std::vector<std::uint8_t>& out) {
    std::vector<std::uint8_t> best;
    long bestScore = -1;
    std::vector<std::uint8_t> trial(length + 1);
    for (int type = 0; type < 5; ++type) {
        trial[0] = std::uint8_t(type);
        long score = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const int a = i >= kChannels ? row[i - kChannels] : 0;
            const int b = above != nullptr ? above[i] : 0;
            const int c = (above != nullptr && i >= kChannels) ? above[i - kChannels] : 0;
            const int predictors[5] = {0, a, b, (a + b) / 2, paeth(a, b, c)};
            const auto residual = std::uint8_t(row[i] - predictors[type]);
            trial[i + 1] = residual;
            score += residual < 128 ? residual : 256 - residual;
        }
        if (bestScore < 0 || score < bestScore) {
            bestScore = score;
            best = trial;
        }
    }
    out.insert(out.end(), best.begin(), best.end());
}

void chunk(ByteWriter& file, const char* type, const std::vector<std::uint8_t>& data) {
    file.be32(std::uint32_t(data.size()));
    const std::size_t start = file.size();
    for (int i = 0; i < 4; ++i)
        file.u8(std::uint8_t(type[i]));
    file.append(data.data(), data.size());
    const std::uint8_t* typed = file.bytes().data() + start;
    file.be32(std::uint32_t(crc32(0L, typed, uInt(data.size() + 4))));
}

} // namespace

std::vector<std::uint8_t> encodePng(const Bitmap& image) {
    const std::size_t stride = std::size_t(image.width) * kChannels;
    std::vector<std::uint8_t> raw;
    raw.reserve((stride + 1) * std::size_t(image.height));
    std::vector<std::uint8_t> previous;
    std::vector<std::uint8_t> row(stride);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            std::uint8_t* q = &row[std::size_t(x) * kChannels];
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
            q[3] = 255;
        }
        filterRow(row.data(), previous.empty() ? nullptr : previous.data(), stride, raw);
        previous = row;
    }

    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), kCompressionLevel) != Z_OK)
        return {};
    packed.resize(packedSize);

    ByteWriter header;
    header.be32(std::uint32_t(image.width));
    header.be32(std::uint32_t(image.height));
    header.u8(8); // bits per channel
    header.u8(6); // RGBA
    header.u8(0); // deflate
    header.u8(0); // adaptive filtering
    header.u8(0); // not interlaced

    ByteWriter file;
    constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    file.append(kSignature, sizeof kSignature);
    chunk(file, "IHDR", header.bytes());
    chunk(file, "IDAT", packed);
    chunk(file, "IEND", {});
    return file.take();
}
