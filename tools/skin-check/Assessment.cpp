#include "Assessment.h"

#include "RowTypes.h"

#include <algorithm>

namespace {

std::string SpreadBox(const PixelSpread& spread) {
    return PixelRectText(spread.bounds);
}

void AssessSkin(const SkinCheck& check, std::vector<Message>& messages) {
    const SkinFindings& f = check.findings;
    const auto warn = [&](const std::string& text) { messages.push_back({Severity::Warning, text}); };
    if (f.width != kSkinWidth || f.height != kSkinHeight) {
        messages.push_back(
            {Severity::Error, "The skin is " + std::to_string(f.width) + " x " + std::to_string(f.height) +
                                  " pixels; the launcher's tables are laid out for " +
                                  std::to_string(kSkinWidth) + " x " + std::to_string(kSkinHeight) + "."});
    }
    if (check.decoding.sixteenBit) {
        warn("The skin has 16 bits per channel; the launcher reduces them to 8 before it looks for the key "
             "colour. Save it as 8-bit RGBA.");
    }
    if (f.halo.pixels > 0) {
        warn("Near the key colour but outside its tolerance: " + Counted(f.halo.pixels, "pixel") +
             " within " + SpreadBox(f.halo) +
             ". Such pixels stay in the window and show pink; paint them pure magenta or in the skin's own "
             "colours.");
    }
    if (!f.holes.empty()) {
        long long pixels = 0;
        for (const PixelSpread& hole : f.holes)
            pixels += hole.pixels;
        warn("Enclosed by the window: " + Counted(pixels, "key-colour pixel") + " in " +
             Counted(static_cast<long long>(f.holes.size()), "place") + ", the first within " +
             SpreadBox(f.holes.front()) + ". They cut holes through the window.");
    }
    if (f.translucent.pixels > 0) {
        warn("Alpha below 255 inside the window: " + Counted(f.translucent.pixels, "pixel") + " within " +
             SpreadBox(f.translucent) + ". The launcher ignores alpha and shows such pixels opaque.");
    }
    const auto where = [&](const Placement& placement) {
        return placement.name + " at " + PixelRectText(placement.rect);
    };
    for (std::size_t i = 0; i < f.placements.size(); ++i) {
        const Placement& placement = f.placements[i];
        if (placement.beyondSkin)
            warn(where(placement) + " reaches past the skin's edge.");
        if (placement.cutPixels > 0)
            warn(where(placement) + " loses " + Counted(placement.cutPixels, "pixel") + " to the cut.");
        for (const std::size_t other : placement.overlapping) {
            if (other > i)
                warn(where(placement) + " overlaps " + where(f.placements[other]) + ".");
        }
    }
}

void AssessBitmap(const ButtonImage& image, std::vector<Message>& messages) {
    const BitmapFacts& facts = image.facts;
    if (!facts.readable) {
        messages.push_back({Severity::Error, image.file + ": " + facts.problem + "."});
        return;
    }
    if (!image.SizeMatches()) {
        messages.push_back({Severity::Error, image.file + " is " + std::to_string(facts.width) + " x " +
                                                 std::to_string(facts.height) + " pixels; its button is " +
                                                 std::to_string(image.expectedWidth) + " x " +
                                                 std::to_string(image.expectedHeight) + " in the tables."});
    }
    const auto warn = [&](const std::string& text) {
        messages.push_back({Severity::Warning, image.file + text});
    };
    if (facts.depth != 32)
        warn(" has " + std::to_string(facts.depth) +
             " bits per pixel; the launcher's button images have 32.");
    if (!facts.pixelsRead)
        warn(": only uncompressed 24- and 32-bit pixels are checked for magenta; these were not.");
    if (facts.magentaPixels > 0) {
        warn(": " + Counted(facts.magentaPixels, "magenta pixel") +
             ", which the launcher draws transparent, so the skin shows through.");
    }
}

} // namespace

std::vector<Message> Assess(const SkinCheck& check) {
    std::vector<Message> messages;
    if (check.decoding.decoded)
        AssessSkin(check, messages);
    else
        messages.push_back({Severity::Error, check.skinPath + ": " + check.decoding.problem + "."});
    for (const ButtonImage& image : check.bitmaps)
        AssessBitmap(image, messages);
    return messages;
}

int ExitStatus(const std::vector<Message>& messages) {
    const auto is = [](Severity severity) {
        return [severity](const Message& message) { return message.severity == severity; };
    };
    if (std::any_of(messages.begin(), messages.end(), is(Severity::Error)))
        return 2;
    return messages.empty() ? 0 : 1;
}

std::string Grouped(long long count) {
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string Counted(long long count, const std::string& noun) {
    return Grouped(count) + " " + noun + (count == 1 ? "" : "s");
}
