#pragma once

#include "layout.h"

#include <array>
#include <string>
#include <vector>

// The window's shape, as the runs of key-coloured pixels cut from each row of the skin.
struct Outline {
    std::array<int, kSkinHeight> left{};  // key pixels at x = 0 .. left - 1
    std::array<int, kSkinHeight> right{}; // key pixels at x = kSkinWidth - right .. kSkinWidth - 1

    bool isCut(int x, int y) const {
        return x < left[std::size_t(y)] || x >= kSkinWidth - right[std::size_t(y)];
    }
};

constexpr int kCornerCut = 8;        // diagonal cut at both top corners
constexpr int kBottomRows = 28;      // rows whose sides curve into the tab
constexpr int kTabBottomCut = 281;   // each side on the last row, leaving a 268 px tab
constexpr int kKeyPixelTotal = 8763; // all cut pixels, which the launcher's region code expects
constexpr int kKeyRunTotal = 72;     // two runs in each of the 8 + 28 cut rows

// Builds the outline and checks it against the totals the launcher relies on; on failure returns false
// and describes the broken rule in `error`.
bool buildOutline(Outline& outline, std::string& error);

// Distance from each pixel centre to the window's edge, capped at `limit`; 0 on cut pixels.
// Row-major, kSkinWidth x kSkinHeight.
std::vector<double> edgeDistances(const Outline& outline, double limit);
