#include "SkinCheck.h"

#include "FileBytes.h"

SkinCheck CheckSkin(const std::string& skinPath, const std::string& bitmapFolder) {
    SkinCheck check;
    check.skinPath = skinPath;
    check.bitmapFolder = bitmapFolder;
    std::vector<std::uint8_t> file;
    if (ReadFileBytes(skinPath, file))
        check.decoding = DecodePng(file, check.skin);
    else
        check.decoding.problem = "cannot be read";
    if (check.decoding.decoded)
        check.findings = AnalyseSkin(check.skin);
    if (!bitmapFolder.empty())
        check.bitmaps = CheckButtonImages(bitmapFolder);
    return check;
}
