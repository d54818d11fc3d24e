// One check of a skin and, when a folder is given, of the button images beside it.
#pragma once

#include "ButtonImages.h"
#include "PngFile.h"
#include "SkinAnalysis.h"

#include <string>
#include <vector>

struct SkinCheck {
    std::string skinPath;
    PngDecoding decoding;
    BgraImage skin;           // when decoded
    SkinFindings findings;    // when decoded
    std::string bitmapFolder; // empty: the button images are not checked
    std::vector<ButtonImage> bitmaps;
};

SkinCheck CheckSkin(const std::string& skinPath, const std::string& bitmapFolder);
