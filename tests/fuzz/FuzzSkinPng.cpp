// A skin file as an artist might hand it over, through everything the checker does with it: decoding,
// the analysis, both reports and the preview.
#include "Assessment.h"
#include "JsonReport.h"
#include "OutlinePreview.h"
#include "TextReport.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <sstream>

namespace {

// Small enough to keep the executions quick; the refusal of larger pictures is exercised all the same.
constexpr long long kFuzzMaxPixels = 128 * 128;

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// Mutated chunks almost never keep a valid checksum, and libpng rightly refuses them; recomputing the
// checksums lets the mutations reach the decoder and everything after it.
void RepairChunkChecksums(std::vector<std::uint8_t>& file) {
    std::size_t at = 8; // past the signature
    while (at + 12 <= file.size()) {
        const std::uint32_t length = BigEndian32(&file[at]);
        if (length > file.size() - at - 12)
            return;
        const std::uint8_t* typeAndData = &file[at + 4];
        const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, typeAndData, length + 4));
        std::uint8_t* stored = &file[at + 8 + length];
        for (int i = 0; i < 4; ++i)
            stored[i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        at += 12 + static_cast<std::size_t>(length);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SkinCheck check;
    check.skinPath = "fuzz.png";
    std::vector<std::uint8_t> file(data, data + size);
    RepairChunkChecksums(file);
    check.decoding = DecodePng(file, check.skin, kFuzzMaxPixels);
    if (check.decoding.decoded) {
        check.findings = AnalyseSkin(check.skin);
        const long long pixels = static_cast<long long>(check.skin.width) * check.skin.height;
        if (check.findings.keptPixels + check.findings.cutPixels != pixels)
            __builtin_trap();
        EncodePng(MakeOutlinePreview(check.skin, check.findings));
    }
    const std::vector<Message> messages = Assess(check);
    std::ostringstream text;
    WriteTextReport(text, check, messages);
    WriteJsonReport(text, check, messages);
    return 0;
}
