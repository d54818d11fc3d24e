// The asset generator's rules for where buttons go, on a table laid out like the shipped one and on that
// table changed the way a publisher changes it: the trays it derives, and what it refuses to paint, naming
// the rectangles. The tables are the test's own, so that a publisher's change to the shipped one leaves them
// be.

#include "fit.h"
#include "logo.h"
#include "wells.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

int failures = 0;
int passes = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    ok ? ++passes : ++failures;
}

// A web button of the top bar, 58 x 19.
BUTTON_DATA webButton(int id, int image, int left, const char* label) {
    return BUTTON_DATA{
        L"", id, OpenUrl, image, image + 1, image + 1, 0, {left, 18, left + 58, 37}, L"http://site/", label};
}

BUTTON_DATA windowButton(int id, ActionType action, int image, int left) {
    return BUTTON_DATA{L"", id, action, image, image + 1, image + 1, 0, {left, 18, left + 16, 34}, L"", ""};
}

// The shipped notice pane.
constexpr PixelRect kReferencePane{17, 57, 812, 521};

// The shipped layout, around which the skin's fixed art (logo, scenery) was drawn.
std::vector<BUTTON_DATA> referenceRows() {
    return {
        windowButton(102, MinimiseParent, 190, 751),
        windowButton(101, CloseParent, 184, 769),
        webButton(103, 188, 47, "HOME"),
        webButton(104, 192, 113, "NEWS"),
        webButton(105, 186, 179, "FORUM"),
        webButton(106, 196, 594, "RANKING"),
        webButton(107, 182, 670, "SUPPORT"),
        {L"", 108, OpenUrl, 198, 199, 199, 0, {329, 533, 505, 565}, L"http://site/signup/", "SIGN UP"},
        {L"", 109, RequestStart, 194, 195, 195, 194, {266, 566, 560, 612}, L"", "START"},
    };
}

BUTTON_DATA& rowOf(std::vector<BUTTON_DATA>& rows, int id) {
    for (BUTTON_DATA& row : rows) {
        if (row.id == id) {
            return row;
        }
    }
    return rows.front();
}

// A new web button 110 with images 200 and 201, 58 x 19.
BUTTON_DATA newButton(int left, int top, const char* label) {
    BUTTON_DATA row = webButton(110, 200, left, label);
    row.face.top = top;
    row.face.bottom = top + 19;
    return row;
}

std::vector<ButtonFace> facesOf(const std::vector<BUTTON_DATA>& rows) {
    std::vector<ButtonFace> faces;
    for (const BUTTON_DATA& row : rows) {
        faces.push_back(faceOf(row, kReferencePane));
    }
    return faces;
}

void checkReferenceTrays(const PixelRect& logo) {
    struct Expected {
        PixelRect rect;
        std::vector<int> ids;
    };
    // Either side of the logo one tray for the web buttons, and one for the window buttons.
    const Expected expected[] = {
        {{40, 12, 244, 43}, {103, 104, 105}},
        {{587, 12, 735, 43}, {106, 107}},
        {{745, 12, 791, 40}, {102, 101}},
    };
    const std::vector<Tray> trays = traysOf(facesOf(referenceRows()), logo);
    bool same = trays.size() == std::size(expected);
    for (std::size_t i = 0; same && i < trays.size(); ++i) {
        same = trays[i].rect == expected[i].rect && trays[i].ids == expected[i].ids;
    }
    check(same, "the reference layout gives the three trays the skin was drawn with");
}

struct Case {
    const char* what;
    std::function<void(std::vector<BUTTON_DATA>&)> change;
    const char* says;          // in one of the lines said; empty: the table fits
    const char* alsoSays = ""; // in another, or empty
};

void checkCases(const FitContext& context) {
    const Case cases[] = {
        {"the reference layout", [](std::vector<BUTTON_DATA>&) {}, ""},
        {"a web button in the right tray, the others moved along",
         [](std::vector<BUTTON_DATA>& rows) {
             rowOf(rows, 106).face.right = 644;
             rowOf(rows, 107).face = {684, 18, 732, 37};
             rows.push_back(newButton(650, 18, "WIKI"));
             rows.back().face.right = 678;
         },
         ""},
        {"a web button left of RANKING, under the logo's wing",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(newButton(528, 18, "WIKI")); },
         "button 110 \"WIKI\" at (528, 18)-(586, 37): its well (522, 13)-(588, 40) overlaps the logo at "
         "(246, 8)-(584, 42)"},
        {"a web button whose well fits beside the logo but not its tray",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 106).face.left = 590; },
         "the tray (583, 12)-(735, 43) around buttons 106, 107 overlaps the logo at (246, 8)-(584, 42)"},
        {"a web button on RANKING",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(newButton(620, 18, "WIKI")); },
         "button 110 \"WIKI\" at (620, 18)-(678, 37): it overlaps button 106 \"RANKING\" at (594, 18)-(652, "
         "37)"},
        {"a web button a pixel from RANKING",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(newButton(653, 18, "WIKI")); },
         "its well and that of button 106 \"RANKING\" at (594, 18)-(652, 37) reach into each other's faces"},
        {"a web button at the window's left edge",
         [](std::vector<BUTTON_DATA>& rows) {
             rowOf(rows, 103).face.left = 6, rowOf(rows, 103).face.right = 64;
         },
         "button 103 \"HOME\" at (6, 18)-(64, 37): its plate comes within 7 pixels of the window's cut edge"},
        {"a web button past the window's top",
         [](std::vector<BUTTON_DATA>& rows) {
             rowOf(rows, 104).face.top = -4, rowOf(rows, 104).face.bottom = 15;
         },
         "button 104 \"NEWS\" at (113, -4)-(171, 15): its plate comes within 7 pixels"},
        {"a web button over the notice pane",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(newButton(100, 300, "WIKI")); },
         "its well (94, 295)-(160, 322) overlaps the notice pane's frame at (11, 51)-(818, 527)"},
        {"a web button on the plinth beside START, on a step of its own",
         [](std::vector<BUTTON_DATA>& rows) {
             rows.push_back(newButton(600, 560, "WIKI"));
             rows.back().face.bottom = 592;
         },
         ""},
        {"SIGN UP moved up: its well under the pane's frame, where the pane would have to end, and where it "
         "fits",
         [](std::vector<BUTTON_DATA>& rows) {
             rowOf(rows, 108).face = {329, 523, 505, 555};
         },
         "button 108 \"SIGN UP\" at (329, 523)-(505, 555): its well (323, 518)-(507, 558) overlaps the "
         "notice "
         "pane's frame at (11, 51)-(818, 527); the pane's row would have to end at y 512 or above",
         "button 108 \"SIGN UP\" at (329, 523)-(505, 555) fits at (329, 532)-(505, 564), 9 pixels down"},
        {"START's step under the pane's frame",
         [](std::vector<BUTTON_DATA>& rows) {
             rowOf(rows, 109).face = {266, 535, 560, 581};
         },
         "the plinth's step (250, 526)-(581, 630) under button 109 reaches into the notice pane's frame"},
        {"any label of capitals, digits and the usual marks",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 105).label = "Q&A 24/7!"; }, ""},
        {"a label in small letters", [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 105).label = "Blog"; },
         "button 105 \"Blog\" at (179, 18)-(237, 37): its label uses \"log\"; a label is written with"},
        {"an empty label", [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 105).label = ""; },
         "its label is empty"},
        {"a label wider than its face",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 107).face.left = 690; },
         "button 107 \"SUPPORT\" at (690, 18)-(728, 37): its label needs 44 x 10 pixels; the face has room "
         "for 34 x 15"},
        {"a pressed face the generator does not paint",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 106).pressedImage = 202; },
         "it names image 202 for its pressed or disabled face"},
        {"one image for both faces",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 106).hoverImage = 196; },
         "its normal and hover images need two ids of their own between 1 and 65535, not 196 and 196"},
        {"a row copied without new images or id",
         [](std::vector<BUTTON_DATA>& rows) {
             rows.push_back(rowOf(rows, 104));
             rows.back().face.top = 100, rows.back().face.bottom = 119;
         },
         "image 192 is also a face of button 104 \"NEWS\" at (113, 18)-(171, 37)"},
        {"what would fit: no room left in the tray beside the logo",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(newButton(528, 18, "WIKI")); },
         "the tray (521, 12)-(735, 43) around buttons 110, 106, 107 has x 584 to 745 free (161 pixels); it "
         "takes "
         "214, 53 too many"},
        {"what would fit: the free span of a tray that runs into the logo",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 106).face.left = 590; },
         "has x 584 to 745 free (161 pixels); it takes 152, 9 to spare; its buttons fit moved 1 pixel right "
         "together"},
        {"what would fit: a face wide enough for its label",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 107).face.left = 690; },
         "a face of at least 48 x 19 carries it"},
        {"two buttons with one control id", [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 105).id = 103; },
         "its control id is also that of button 103 \"HOME\""},
    };
    for (const Case& c : cases) {
        std::vector<BUTTON_DATA> rows = referenceRows();
        c.change(rows);
        const std::vector<ButtonFace> faces = facesOf(rows);
        const std::vector<Misfit> problems = misfits(faces, context);
        // What the generator says: each problem, then what would fit.
        std::vector<std::string> said;
        for (const Misfit& problem : problems) {
            said.push_back(problem.text);
        }
        for (const std::string& hint : whatWouldFit(faces, problems, context)) {
            said.push_back(hint);
        }
        const auto saysSomewhere = [&](const char* text) {
            return std::any_of(said.begin(), said.end(),
                               [&](const std::string& line) { return line.find(text) != std::string::npos; });
        };
        const bool found = *c.says == '\0'
                               ? problems.empty()
                               : saysSomewhere(c.says) && (*c.alsoSays == '\0' || saysSomewhere(c.alsoSays));
        check(found, c.what);
        if (!found) {
            for (const std::string& line : said) {
                std::printf("     said: %s\n", line.c_str());
            }
        }
    }
}

} // namespace

int main() {
    Outline outline;
    std::string error;
    if (!buildOutline(outline, error)) {
        std::fprintf(stderr, "layout_rules: %s\n", error.c_str());
        return 1;
    }
    const FitContext context = fitContext(outline, logoBounds(), kReferencePane);
    checkReferenceTrays(context.logo);
    checkCases(context);
    std::printf("layout_rules: %d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
