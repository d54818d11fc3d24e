#include "TestImages.h"

#include "FileBytes.h"
#include "PngFile.h"

#include <filesystem>

BgraImage PaintImage(int width, int height, const std::function<Pixel(int, int)>& paint) {
    BgraImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(image, x, y, paint(x, y));
    return image;
}

void SetPixel(BgraImage& image, int x, int y, const Pixel& pixel) {
    std::uint8_t* p = image.At(x, y);
    p[0] = pixel.blue;
    p[1] = pixel.green;
    p[2] = pixel.red;
    p[3] = pixel.alpha;
}

std::string ShippedResources() {
    return SKYREACH_RES_DIR;
}

BgraImage ShippedSkin() {
    std::vector<std::uint8_t> file;
    BgraImage skin;
    if (ReadFileBytes(ShippedResources() + "/skin.png", file))
        DecodePng(file, skin);
    return skin;
}

std::string ScratchFolder(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "skyreach-skin-check-tests" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::vector<std::uint8_t> BitmapFile(int width, int height, int depth, bool topDown,
                                     const std::function<Pixel(int, int)>& paint) {
    const std::size_t stride = (static_cast<std::size_t>(width) * depth / 8 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * height);
    std::vector<std::uint8_t> file;
    const auto le = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    file = {'B', 'M'};
    le(54 + pixelBytes, 4);
    le(0, 4);
    le(54, 4);
    le(40, 4);
    le(static_cast<std::uint32_t>(width), 4);
    le(static_cast<std::uint32_t>(topDown ? -height : height), 4);
    le(1, 2);
    le(static_cast<std::uint32_t>(depth), 2);
    le(0, 4);
    le(pixelBytes, 4);
    file.resize(54, 0); // resolution and colour counts
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        const std::size_t start = file.size();
        for (int x = 0; x < width; ++x) {
            const Pixel p = paint(x, y);
            file.insert(file.end(), {p.blue, p.green, p.red});
            if (depth == 32)
                file.push_back(0);
        }
        file.resize(start + stride, 0);
    }
    return file;
}

void WritePng(const std::string& path, const BgraImage& image) {
    WriteFileBytes(path, EncodePng(image));
}

void CopyShippedBitmaps(const std::string& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(ShippedResources())) {
        if (entry.path().extension() == ".bmp")
            std::filesystem::copy_file(entry.path(), std::filesystem::path(folder) / entry.path().filename());
    }
}
