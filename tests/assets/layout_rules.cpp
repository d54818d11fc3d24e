// The asset generator's rules for where buttons go, on the shipped button table and on tables changed the way
// a publisher changes them: the trays it derives, and what it refuses to paint, naming the rectangles.

#include "fit.h"
#include "logo.h"
#include "wells.h"

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

std::vector<BUTTON_DATA> shippedRows() {
    return std::vector<BUTTON_DATA>(std::begin(kButtonData), std::end(kButtonData));
}

BUTTON_DATA& rowOf(std::vector<BUTTON_DATA>& rows, int id) {
    for (BUTTON_DATA& row : rows) {
        if (row.id == id) {
            return row;
        }
    }
    return rows.front();
}

// A web button of the top bar's size, 58 x 19, with images 200 and 201.
BUTTON_DATA webButton(int left, int top, const char* label) {
    return BUTTON_DATA{L"",       110,      OpenUrl,         200,  201, 201, 0, left, top,
                       left + 58, top + 19, L"http://wiki/", label};
}

std::vector<ButtonFace> facesOf(const std::vector<BUTTON_DATA>& rows) {
    std::vector<ButtonFace> faces;
    for (const BUTTON_DATA& row : rows) {
        faces.push_back(faceOf(row));
    }
    return faces;
}

void checkShippedTrays(const Rect& logo) {
    struct Expected {
        Rect rect;
        std::vector<int> ids;
    };
    // Either side of the logo one tray for the web buttons, and one for the window buttons.
    const Expected expected[] = {
        {{40, 12, 244, 43}, {103, 104, 105}},
        {{587, 12, 735, 43}, {106, 107}},
        {{745, 12, 791, 40}, {102, 101}},
    };
    const std::vector<Tray> trays = traysOf(tableButtons(), logo);
    bool same = trays.size() == std::size(expected);
    for (std::size_t i = 0; same && i < trays.size(); ++i) {
        const Rect& r = trays[i].rect;
        const Rect& e = expected[i].rect;
        same = r.left == e.left && r.top == e.top && r.right == e.right && r.bottom == e.bottom &&
               trays[i].ids == expected[i].ids;
    }
    check(same, "the shipped table gives the three trays the skin was drawn with");
}

struct Case {
    const char* what;
    std::function<void(std::vector<BUTTON_DATA>&)> change;
    const char* says; // in one of the problems; empty: the table fits
};

void checkCases(const Outline& outline, const Rect& logo) {
    const Case cases[] = {
        {"the shipped table", [](std::vector<BUTTON_DATA>&) {}, ""},
        {"a web button in the right tray, the others moved along",
         [](std::vector<BUTTON_DATA>& rows) {
             rowOf(rows, 106).right = 638;
             rowOf(rows, 107).left = 680;
             rows.push_back(webButton(646, 18, "WIKI"));
             rows.back().right = 672;
         },
         ""},
        {"a web button left of RANKING, under the logo's wing",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(webButton(528, 18, "WIKI")); },
         "button 110 \"WIKI\" at (528, 18)-(586, 37): its well (522, 13)-(588, 40) overlaps the logo at "
         "(246, 8)-(584, 42)"},
        {"a web button whose well fits beside the logo but not its tray",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 106).left = 590; },
         "the tray (583, 12)-(735, 43) around buttons 106, 107 overlaps the logo at (246, 8)-(584, 42)"},
        {"a web button on RANKING",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(webButton(620, 18, "WIKI")); },
         "button 110 \"WIKI\" at (620, 18)-(678, 37): it overlaps button 106 \"RANKING\" at (594, 18)-(652, "
         "37)"},
        {"a web button a pixel from RANKING",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(webButton(653, 18, "WIKI")); },
         "its well and that of button 106 \"RANKING\" at (594, 18)-(652, 37) reach into each other's faces"},
        {"a web button at the window's left edge",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 103).left = 6, rowOf(rows, 103).right = 64; },
         "button 103 \"HOME\" at (6, 18)-(64, 37): its plate comes within 7 pixels of the window's cut edge"},
        {"a web button past the window's top",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 104).top = -4, rowOf(rows, 104).bottom = 15; },
         "button 104 \"NEWS\" at (113, -4)-(171, 15): its plate comes within 7 pixels"},
        {"a web button over the notice pane",
         [](std::vector<BUTTON_DATA>& rows) { rows.push_back(webButton(100, 300, "WIKI")); },
         "its well (94, 295)-(160, 322) overlaps the notice pane's frame at (11, 51)-(818, 527)"},
        {"a web button on the plinth beside it",
         [](std::vector<BUTTON_DATA>& rows) {
             rows.push_back(webButton(600, 560, "WIKI"));
             rows.back().bottom = 592;
         },
         "its face reaches off the plinth"},
        {"a label with letters the font lacks",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 105).faceLabel = "BLOG"; },
         "button 105 \"BLOG\" at (179, 18)-(237, 37): the face font cannot draw \"BL\" of its label"},
        {"a label wider than its face", [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 107).left = 690; },
         "button 107 \"SUPPORT\" at (690, 18)-(728, 37): its label needs 42 x 10 pixels; the face has room "
         "for "
         "34 x 15"},
        {"a pressed face the generator does not paint",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 106).pressedImage = 202; },
         "it names image 202 for its pressed or disabled face"},
        {"one image for both faces",
         [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 106).hoverImage = 196; },
         "its normal and hover images need two ids of their own between 1 and 65535, not 196 and 196"},
        {"a row copied without new images or id",
         [](std::vector<BUTTON_DATA>& rows) {
             rows.push_back(rowOf(rows, 104));
             rows.back().top = 100, rows.back().bottom = 119;
         },
         "image 192 is also a face of button 104 \"NEWS\" at (113, 18)-(171, 37)"},
        {"two buttons with one control id", [](std::vector<BUTTON_DATA>& rows) { rowOf(rows, 105).id = 103; },
         "its control id is also that of button 103 \"HOME\""},
    };
    for (const Case& c : cases) {
        std::vector<BUTTON_DATA> rows = shippedRows();
        c.change(rows);
        const std::vector<std::string> problems = misfits(facesOf(rows), outline, logo);
        bool found = *c.says == '\0' && problems.empty();
        for (const std::string& problem : problems) {
            found = found || (*c.says != '\0' && problem.find(c.says) != std::string::npos);
        }
        check(found, c.what);
        if (!found) {
            for (const std::string& problem : problems) {
                std::printf("     said: %s\n", problem.c_str());
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
    const Rect logo = logoBounds();
    checkShippedTrays(logo);
    checkCases(outline, logo);
    std::printf("layout_rules: %d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
