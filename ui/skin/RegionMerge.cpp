#include "RegionMerge.h"

#include <utility>

namespace {

// ORs `part` into `into`; `part` goes with the call.
void Absorb(const CRgn& into, CRgn part) {
    ::CombineRgn(into, into, part, RGN_OR);
}

} // namespace

void CRegionMerge::Add(CRgn region) {
    CRgn carry = std::move(region);
    int level = 0;
    for (; level < kLevels - 1 && m_levels[level].GetSafeHandle() != nullptr; ++level) {
        Absorb(m_levels[level], std::move(carry));
        carry = std::move(m_levels[level]);
    }
    if (m_levels[level].GetSafeHandle() != nullptr) {
        Absorb(m_levels[level], std::move(carry));
    } else {
        m_levels[level] = std::move(carry);
    }
}

CRgn CRegionMerge::Take() {
    CRgn merged;
    for (CRgn& level : m_levels) {
        if (level.GetSafeHandle() == nullptr) {
            continue;
        }
        // Smaller into larger: the lower levels hold fewer regions.
        if (merged.GetSafeHandle() != nullptr) {
            Absorb(level, std::move(merged));
        }
        merged = std::move(level);
    }
    return merged;
}
