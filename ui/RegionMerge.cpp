#include "RegionMerge.h"

namespace {

// ORs `part` into `into` and deletes `part`.
void Absorb(HRGN into, HRGN part) {
    CombineRgn(into, into, part, RGN_OR);
    DeleteObject(part);
}

} // namespace

CRegionMerge::~CRegionMerge() {
    for (HRGN& level : m_levels) {
        if (level)
            DeleteObject(level);
    }
}

void CRegionMerge::Add(HRGN region) {
    HRGN carry = region;
    int level = 0;
    for (; level < kLevels - 1 && m_levels[level]; ++level) {
        Absorb(m_levels[level], carry);
        carry = m_levels[level];
        m_levels[level] = nullptr;
    }
    if (m_levels[level])
        Absorb(m_levels[level], carry);
    else
        m_levels[level] = carry;
}

HRGN CRegionMerge::Take() {
    HRGN merged = nullptr;
    for (HRGN& level : m_levels) {
        if (!level)
            continue;
        // Smaller into larger: the lower levels hold fewer regions.
        if (merged)
            Absorb(level, merged);
        merged = level;
        level = nullptr;
    }
    return merged;
}
