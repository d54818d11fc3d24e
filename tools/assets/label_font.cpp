#include "label_font.h"

#include "Labels.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace {

// The font file and the FreeType library that reads it, opened once for the program.
class LoadedFont {
public:
    LoadedFont() {
        if (FT_Init_FreeType(&library_) != 0) {
            error_ = "FreeType does not start";
            library_ = nullptr;
        } else if (FT_New_Face(library_, SKYREACH_LABEL_FONT, 0, &face_) != 0) {
            error_ = std::string("cannot read the label font ") + SKYREACH_LABEL_FONT;
            face_ = nullptr;
        }
    }
    ~LoadedFont() {
        if (face_ != nullptr)
            FT_Done_Face(face_);
        if (library_ != nullptr)
            FT_Done_FreeType(library_);
    }
    LoadedFont(const LoadedFont&) = delete;
    LoadedFont& operator=(const LoadedFont&) = delete;

    FT_Face face() const { return face_; }
    const std::string& error() const { return error_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    std::string error_;
};

const LoadedFont& loadedFont() {
    static const LoadedFont font;
    return font;
}

// The glyph of `c` at the face's current size, rendered; null when the font cannot.
FT_GlyphSlot renderedGlyph(FT_Face face, char c) {
    if (FT_Load_Char(face, FT_ULong(static_cast<unsigned char>(c)), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) !=
        0)
        return nullptr;
    return face->glyph;
}

} // namespace

bool labelFontReady(std::string& error) {
    const LoadedFont& font = loadedFont();
    if (font.face() == nullptr) {
        error = font.error();
        return false;
    }
    for (const char* c = kLabelCharacters; *c != '\0'; ++c) {
        if (*c != ' ' && FT_Get_Char_Index(font.face(), FT_ULong(static_cast<unsigned char>(*c))) == 0) {
            error = std::string("the label font has no glyph for '") + *c + "'";
            return false;
        }
    }
    return true;
}

LabelLine layOutLabel(std::string_view text, const LabelStyle& style) {
    LabelLine line{PixelRect{0, 0, 0, 0}, 0, {}};
    const FT_Face face = loadedFont().face();
    if (face == nullptr || FT_Set_Pixel_Sizes(face, 0, FT_UInt(style.pixelSize)) != 0)
        return line;
    if (const FT_GlyphSlot capital = renderedGlyph(face, 'H'))
        line.capHeight = capital->bitmap_top;
    int pen = 0;
    bool inked = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const FT_GlyphSlot slot = renderedGlyph(face, text[i]);
        if (slot == nullptr)
            continue;
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.width > 0 && bitmap.rows > 0) {
            LabelLine::Glyph glyph{
                pen + slot->bitmap_left, -slot->bitmap_top, int(bitmap.width), int(bitmap.rows), {}};
            for (unsigned row = 0; row < bitmap.rows; ++row) {
                const unsigned char* from = bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch;
                glyph.coverage.insert(glyph.coverage.end(), from, from + bitmap.width);
            }
            const PixelRect covered{glyph.left, glyph.top, glyph.left + glyph.width,
                                    glyph.top + glyph.height};
            line.ink = inked ? line.ink.United(covered) : covered;
            inked = true;
            line.glyphs.push_back(std::move(glyph));
        }
        // Advances come whole from the hinter, so every glyph starts on a pixel.
        pen += int((slot->advance.x + 32) >> 6);
        if (i + 1 < text.size())
            pen += style.tracking;
    }
    return line;
}

void drawLabel(Mask& mask, const LabelLine& line, int x, int baseline) {
    for (const LabelLine::Glyph& glyph : line.glyphs) {
        for (int row = 0; row < glyph.height; ++row) {
            for (int column = 0; column < glyph.width; ++column) {
                const int px = x + glyph.left + column;
                const int py = baseline + glyph.top + row;
                if (px < 0 || py < 0 || px >= mask.width() || py >= mask.height())
                    continue;
                const double cover =
                    glyph.coverage[std::size_t(row) * std::size_t(glyph.width) + std::size_t(column)] / 255.0;
                mask.at(px, py) = std::max(mask.at(px, py), cover);
            }
        }
    }
}
