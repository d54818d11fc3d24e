#include "TextReport.h"

#include "RowTypes.h"

namespace {

std::string NoneOr(const PixelSpread& spread) {
    if (spread.pixels == 0)
        return "none";
    return Counted(spread.pixels, "pixel") + " within " + PixelRectText(spread.bounds);
}

void WriteSkin(std::ostream& out, const SkinCheck& check) {
    const SkinFindings& f = check.findings;
    out << "Skin " << check.skinPath << ": " << f.width << " x " << f.height << ", " << check.decoding.format
        << " (the tables want " << kSkinWidth << " x " << kSkinHeight << ")\n";
    out << "  Window region: " << Grouped(f.runs) << " runs of key colour in " << Grouped(f.batches)
        << (f.batches == 1 ? " ExtCreateRegion batch" : " ExtCreateRegion batches") << "\n";
    out << "  Kept: " << Counted(f.keptPixels, "pixel") << "; cut: " << Grouped(f.cutPixels) << "\n";
    out << "  Near-key halo: " << NoneOr(f.halo) << "\n";
    out << "  Holes: ";
    if (f.holes.empty())
        out << "none\n";
    else
        out << Grouped(static_cast<long long>(f.holes.size())) << ", the first of " << NoneOr(f.holes.front())
            << "\n";
    out << "  Alpha below 255 inside the window: " << NoneOr(f.translucent) << "\n";
    out << "  Table rectangles:\n";
    for (const Placement& placement : f.placements) {
        out << "    " << placement.name << " " << PixelRectText(placement.rect) << ": "
            << (placement.Inside() ? "inside the kept area" : "NOT inside the kept area");
        for (const std::size_t other : placement.overlapping)
            out << "; overlaps " << f.placements[other].name;
        out << "\n";
    }
}

void WriteBitmaps(std::ostream& out, const SkinCheck& check) {
    out << "Button images in " << check.bitmapFolder << ":\n";
    for (const ButtonImage& image : check.bitmaps) {
        const BitmapFacts& facts = image.facts;
        out << "  " << image.file << ": ";
        if (!facts.readable) {
            out << facts.problem << "\n";
            continue;
        }
        out << facts.width << " x " << facts.height << ", " << facts.depth << "-bit, ";
        if (facts.pixelsRead)
            out << (facts.magentaPixels == 0 ? "no" : Grouped(facts.magentaPixels)) << " magenta\n";
        else
            out << "magenta not checked\n";
    }
}

} // namespace

void WriteTextReport(std::ostream& out, const SkinCheck& check, const std::vector<Message>& messages) {
    if (check.decoding.decoded)
        WriteSkin(out, check);
    if (!check.bitmapFolder.empty())
        WriteBitmaps(out, check);
    int warnings = 0;
    int errors = 0;
    for (const Message& message : messages) {
        const bool error = message.severity == Severity::Error;
        out << (error ? "error: " : "warning: ") << message.text << "\n";
        ++(error ? errors : warnings);
    }
    if (messages.empty())
        out << "skin-check: clean\n";
    else
        out << "skin-check: " << warnings << (warnings == 1 ? " warning, " : " warnings, ") << errors
            << (errors == 1 ? " error\n" : " errors\n");
}
