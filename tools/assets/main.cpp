// Writes every image the launcher ships with into one directory, with the resource lines that name the
// button faces. Output depends on nothing but this code, the launcher's rows, the label font and Debian's
// FreeType, libpng and zlib, so the committed files can be checked by regenerating them. Nothing is written
// when a button does not fit where its row puts it.

#include "BmpFile.h"
#include "FileBytes.h"
#include "PngFile.h"
#include "button_painter.h"
#include "fit.h"
#include "icon_painter.h"
#include "KeyColours.h"
#include "label_font.h"
#include "logo.h"
#include "outline.h"
#include "skin_painter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) {
        std::fprintf(stderr, "gen_assets: nothing encoded for %s\n", path.c_str());
        return false;
    }
    if (!WriteFileBytes(path, bytes)) {
        std::fprintf(stderr, "gen_assets: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// Opaque: every alpha 255.
BgraImage bgraOf(const Bitmap& image) {
    BgraImage out(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* from = image.pixel(x, y);
            std::uint8_t* to = out.At(x, y);
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 255;
        }
    }
    return out;
}

// The window's region is built from the key colour, so a stray key pixel would punch a hole in it.
bool skinKeyIsExact(const Bitmap& skin, const Outline& outline) {
    for (int y = 0; y < kSkinHeight; ++y) {
        for (int x = 0; x < kSkinWidth; ++x) {
            const std::uint8_t* p = skin.pixel(x, y);
            if (IsSkinKeyColour(p[0], p[1], p[2]) != outline.isCut(x, y)) {
                std::fprintf(stderr, "gen_assets: skin pixel (%d, %d) breaks the outline\n", x, y);
                return false;
            }
        }
    }
    return true;
}

bool writeButtons(const Bitmap& skin, const std::string& dir) {
    for (const ButtonFace& button : tableButtons()) {
        for (const bool hover : {false, true}) {
            const Bitmap face = paintButton(skin, button, hover);
            const int id = hover ? button.hoverId : button.normalId;
            if (countFaceKeyPixels(face) != 0) {
                std::fprintf(stderr, "gen_assets: button %d contains the key colour\n", id);
                return false;
            }
            if (!writeFile(dir + "/btn_" + std::to_string(id) + ".bmp", EncodeBmp32(bgraOf(face))))
                return false;
        }
    }
    return true;
}

// One BITMAP line per face image, in the order of their ids, for the launcher's resource script.
std::vector<std::uint8_t> faceResourceLines() {
    std::vector<int> ids;
    for (const ButtonFace& button : tableButtons()) {
        ids.push_back(button.normalId);
        ids.push_back(button.hoverId);
    }
    std::sort(ids.begin(), ids.end());
    std::string text = "// Written by the asset generator from the button rows in face/FaceRows.h.\n";
    for (const int id : ids) {
        text += std::to_string(id) + " BITMAP \"btn_" + std::to_string(id) + ".bmp\"\n";
    }
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Says whether the rows fit, and when they do not, why and what would; true when they fit.
bool reportFit(const Outline& outline, bool listSpans) {
    const FitContext context = fitContext(outline, logoBounds(), noticePane());
    const std::vector<ButtonFace>& buttons = tableButtons();
    const std::vector<Misfit> problems = misfits(buttons, context);
    for (const Misfit& problem : problems) {
        std::fprintf(stderr, "gen_assets: %s\n", problem.text.c_str());
    }
    for (const std::string& hint : whatWouldFit(buttons, problems, context)) {
        std::fprintf(stderr, "gen_assets:   %s\n", hint.c_str());
    }
    if (problems.empty() && listSpans) {
        for (const TraySpan& span : traySpans(buttons, context)) {
            std::printf("gen_assets: %s has x %d to %d free, %d pixels to spare\n",
                        trayName(span.tray).c_str(), span.free.left, span.free.right,
                        span.free.Width() - span.tray.rect.Width());
        }
        std::printf("gen_assets: the rows fit: %zu buttons\n", buttons.size());
    }
    return problems.empty();
}

} // namespace

// gen_assets <output-dir> paints; gen_assets --check only decides whether the rows fit.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_assets <output-dir> | --check\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool checkOnly = dir == "--check";

    Outline outline;
    std::string error;
    if (!labelFontReady(error) || !buildOutline(outline, error)) {
        std::fprintf(stderr, "gen_assets: %s\n", error.c_str());
        return 1;
    }
    if (!reportFit(outline, checkOnly)) {
        return 1;
    }
    if (checkOnly) {
        return 0;
    }
    const Bitmap skin = paintSkin(outline);
    if (!skinKeyIsExact(skin, outline))
        return 1;
    if (!writeFile(dir + "/skin.png", EncodePng(bgraOf(skin))) || !writeButtons(skin, dir) ||
        !writeFile(dir + "/launcher.ico", EncodeIco24(bgraOf(paintIcon()))) ||
        !writeFile(dir + "/button_faces.rc", faceResourceLines()))
        return 1;
    return 0;
}
