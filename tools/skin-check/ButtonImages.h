// The button face bitmaps the tables name, read from an artist's folder as btn_<id>.bmp, the names the
// launcher's resources are built from.
#pragma once

#include "BmpFile.h"

#include <string>
#include <vector>

struct ButtonImage {
    int id = 0;
    std::string file;
    int expectedWidth = 0; // the face rectangle of the first button row that names the image
    int expectedHeight = 0;
    BitmapFacts facts;
    bool SizeMatches() const { return facts.width == expectedWidth && facts.height == expectedHeight; }
};

// One entry per image id the button table names, in table order.
std::vector<ButtonImage> CheckButtonImages(const std::string& folder);
