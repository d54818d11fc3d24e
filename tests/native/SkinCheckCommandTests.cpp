// skin-check from its command line: exit status, plain and JSON reports, and the outline preview.
#include "FileBytes.h"
#include "JsonWriter.h"
#include "OutlinePreview.h"
#include "PngFile.h"
#include "ShippedButtons.h"
#include "SkinCheckCommand.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun Check(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunSkinCheckCommand(args, out, err);
    return CommandRun{status, out.str(), err.str()};
}

std::string FaceFile(const BUTTON_DATA& row) {
    return "btn_" + std::to_string(row.normalImage) + ".bmp";
}

std::string SizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string FlawedSkin(const std::string& folder) {
    BgraImage skin = ShippedSkin();
    SetPixel(skin, 8, 0, {150, 20, 150, 255});
    SetPixel(skin, 10, 300, kMagenta); // left of the pane
    SetPixel(skin, 100, 300, {40, 90, 160, 128});
    const std::string path = folder + "/flawed.png";
    WritePng(path, skin);
    return path;
}

TEST(SkinCheckCommand, ShippedSkinAndImagesAreClean) {
    const CommandRun run = Check({ShippedResources() + "/skin.png", ShippedResources()});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("72 runs of key colour in 1 ExtCreateRegion batch"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Kept: 505,837 pixels"), std::string::npos) << run.out;
    const BUTTON_DATA& start = ButtonRowFor(RequestStart);
    const std::string startFace =
        FaceFile(start) + ": " + SizeText(start.face.Width(), start.face.Height()) + ", 32-bit, no magenta";
    EXPECT_NE(run.out.find(startFace), std::string::npos) << startFace << "\n" << run.out;
    EXPECT_NE(run.out.find("skin-check: clean"), std::string::npos);
}

TEST(SkinCheckCommand, EachFlawOfASkinIsAWarning) {
    const CommandRun run = Check({FlawedSkin(ScratchFolder("flawed"))});
    EXPECT_EQ(run.status, 1);
    for (const char* warning : {"Near the key colour but outside its tolerance: 1 pixel within (8, 0)-(9, 1)",
                                "Enclosed by the window: 1 key-colour pixel in 1 place",
                                "Alpha below 255 inside the window: 1 pixel within (100, 300)-(101, 301)"})
        EXPECT_NE(run.out.find(warning), std::string::npos) << warning << "\n" << run.out;
    EXPECT_NE(run.out.find("skin-check: 3 warnings, 0 errors"), std::string::npos) << run.out;
}

TEST(SkinCheckCommand, ExitStatusFollowsTheWorstFinding) {
    const std::string folder = ScratchFolder("status");
    WritePng(folder + "/small.png", PaintImage(640, 480, [](int, int) { return kSky; }));
    const BUTTON_DATA& minimise = ButtonRowFor(MinimiseParent);
    const int minimiseWidth = minimise.face.Width(), minimiseHeight = minimise.face.Height();
    const std::string images = ScratchFolder("status-images");
    CopyShippedBitmaps(images);
    WriteFileBytes(images + "/" + FaceFile(minimise),
                   BitmapFile(minimiseWidth, minimiseHeight, 32, false, [](int, int) { return kMagenta; }));
    const BUTTON_DATA& close = ButtonRowFor(CloseParent);
    const int closeWidth = close.face.Width(), closeHeight = close.face.Height();
    const std::string wrongSize = ScratchFolder("status-wrong-size");
    CopyShippedBitmaps(wrongSize);
    WriteFileBytes(wrongSize + "/" + FaceFile(close),
                   BitmapFile(closeWidth + 1, closeHeight, 32, false, [](int, int) { return kSky; }));
    const std::string skin = ShippedResources() + "/skin.png";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    } const cases[] = {
        {{folder + "/small.png"}, 2, "laid out for 830 x 620"},
        {{folder + "/missing.png"}, 2, "missing.png: cannot be read"},
        {{std::string(SKYREACH_TEST_DATA_DIR) + "/corrupt.png"}, 2, "error: "},
        {{skin, images},
         1,
         FaceFile(minimise) + ": " + std::to_string(minimiseWidth * minimiseHeight) + " magenta pixels"},
        {{skin, wrongSize},
         2,
         FaceFile(close) + " is " + SizeText(closeWidth + 1, closeHeight) + " pixels; its button is " +
             SizeText(closeWidth, closeHeight)},
        {{skin, folder}, 2, FaceFile(kButtonData[0]) + ": cannot be read"},
    };
    for (const Case& c : cases) {
        const CommandRun run = Check(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << "\n" << run.out;
        EXPECT_NE(run.out.find(c.says), std::string::npos) << c.says << "\n" << run.out;
    }
}

TEST(SkinCheckCommand, AMistakenCommandLineIsAnErrorWithItsUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"--preview"}, {"--frobnicate", "skin.png"}, {"a.png", "b", "c"}}) {
        const CommandRun run = Check(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage: skin-check"), std::string::npos);
    }
}

TEST(SkinCheckCommand, JsonCarriesTheFiguresAndTheVerdict) {
    const CommandRun run = Check({"--json", ShippedResources() + "/skin.png"});
    EXPECT_EQ(run.status, 0);
    for (const char* field :
         {"\"runs\":72,", "\"batches\":1,", "\"keptPixels\":505837,", "\"cutPixels\":8763,",
          "\"overlaps\":[]", "\"buttonImages\":null", "\"messages\":[]", "\"exitStatus\":0}"})
        EXPECT_NE(run.out.find(field), std::string::npos) << field << "\n" << run.out;
}

TEST(JsonQuoted, EscapesWhatAStringLiteralCannotHold) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\skins", "\"C:\\\\skins\""},
        {"a\nb\tc\x01", "\"a\\nb\\tc\\u0001\""},
        {"caf\xc3\xa9", "\"caf\xc3\xa9\""},
    };
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(JsonQuoted(text), quoted);
}

TEST(SkinCheckCommand, PreviewDimsTheCutAndMarksFlawsAndRectangles) {
    const std::string folder = ScratchFolder("preview");
    const std::string previewPath = folder + "/preview.png";
    EXPECT_EQ(Check({"--preview", previewPath, FlawedSkin(folder)}).status, 1);

    std::vector<std::uint8_t> file;
    ASSERT_TRUE(ReadFileBytes(previewPath, file));
    BgraImage preview;
    ASSERT_TRUE(DecodePng(file, preview).decoded);
    ASSERT_EQ(preview.width, 830);
    ASSERT_EQ(preview.height, 620);
    const auto colourAt = [&](int x, int y) {
        const std::uint8_t* p = preview.At(x, y);
        return std::vector<int>{p[2], p[1], p[0]};
    };
    const auto rgb = [](const PreviewColour& c) { return std::vector<int>{c.red, c.green, c.blue}; };
    EXPECT_EQ(colourAt(8, 0), rgb(kHaloColour));
    EXPECT_EQ(colourAt(10, 300), rgb(kHoleColour));
    EXPECT_EQ(colourAt(7, 297), rgb(kHoleColour)) << "the ring around the hole";
    EXPECT_EQ(colourAt(100, 300), rgb(kTranslucentColour));
    EXPECT_EQ(colourAt(kButtonData[0].face.left, kButtonData[0].face.top), rgb(kInsideRectColour))
        << "a button's corner";
    const std::vector<int> cut = colourAt(0, 0);
    EXPECT_TRUE(cut[0] == cut[1] && cut[1] == cut[2] && cut[0] < 80) << "dimmed grey, not magenta";
}

} // namespace
