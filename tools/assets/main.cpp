// Writes every image the launcher ships with into one directory. Output depends on nothing but this code
// (and zlib's deflate), so the committed files can be checked by regenerating them.

#include "bmp_writer.h"
#include "button_painter.h"
#include "icon_painter.h"
#include "outline.h"
#include "png_writer.h"
#include "skin_painter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) {
        std::fprintf(stderr, "gen_assets: nothing encoded for %s\n", path.c_str());
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "gen_assets: cannot create %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed)
        std::fprintf(stderr, "gen_assets: cannot write %s\n", path.c_str());
    return written && closed;
}

// The window's region is built from the key colour, so a stray key pixel would punch a hole in it.
bool skinKeyIsExact(const Bitmap& skin, const Outline& outline) {
    for (int y = 0; y < kSkinHeight; ++y) {
        for (int x = 0; x < kSkinWidth; ++x) {
            const std::uint8_t* p = skin.pixel(x, y);
            if (isKeyColour(p[0], p[1], p[2]) != outline.isCut(x, y)) {
                std::fprintf(stderr, "gen_assets: skin pixel (%d, %d) breaks the outline\n", x, y);
                return false;
            }
        }
    }
    return true;
}

bool writeButtons(const Bitmap& skin, const std::string& dir) {
    for (const ButtonFace& button : kButtons) {
        for (const bool hover : {false, true}) {
            const Bitmap face = paintButton(skin, button, hover);
            const int id = button.normalId + (hover ? 1 : 0);
            if (countKeyPixels(face) != 0) {
                std::fprintf(stderr, "gen_assets: button %d contains the key colour\n", id);
                return false;
            }
            if (!writeFile(dir + "/btn_" + std::to_string(id) + ".bmp", encodeBmp(face)))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_assets <output-dir>\n");
        return 2;
    }
    const std::string dir = argv[1];

    Outline outline;
    std::string error;
    if (!buildOutline(outline, error)) {
        std::fprintf(stderr, "gen_assets: %s\n", error.c_str());
        return 1;
    }
    const Bitmap skin = paintSkin(outline);
    if (!skinKeyIsExact(skin, outline))
        return 1;
    if (!writeFile(dir + "/skin.png", encodePng(skin)) || !writeButtons(skin, dir) ||
        !writeFile(dir + "/launcher.ico", encodeIco(paintIcon())))
        return 1;
    return 0;
}
