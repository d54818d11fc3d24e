#include "fit.h"

#include "button_look.h"
#include "button_painter.h"
#include "canvas.h"
#include "console.h"
#include "Labels.h"
#include "frames.h"
#include "wells.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLargestResourceId = 65535;

std::string nameOf(const ButtonFace& b) {
    const std::string label = *b.label != '\0' ? std::string(" \"") + b.label + "\"" : "";
    return "button " + std::to_string(b.id) + label + " at " + PixelRectText(b.face);
}

// Where the pane's row would have to end for a well or step whose top is at `top` to clear its frame.
std::string paneEndFor(const FitContext& context, int top) {
    return "; the pane's row would have to end at y " +
           std::to_string(top - (context.paneFrame.bottom - context.pane.bottom)) + " or above";
}

class FitCheck {
public:
    // With `placesOf`, only the places of those buttons, their trays and their steps are checked: what
    // a search for a better place for them needs.
    FitCheck(const std::vector<ButtonFace>& buttons, const FitContext& context,
             const std::vector<int>* placesOf = nullptr)
        : buttons_(buttons), context_(context), placesOf_(placesOf) {}

    std::vector<Misfit> run() {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            if (placesOf_ == nullptr) {
                checkImages(i);
                checkLabel(buttons_[i]);
            }
            if (wanted(buttons_[i].id)) {
                checkPlace(buttons_[i]);
            }
            for (std::size_t j = i + 1; j < buttons_.size(); ++j) {
                if (wanted(buttons_[i].id) || wanted(buttons_[j].id)) {
                    checkPair(buttons_[i], buttons_[j]);
                }
            }
        }
        for (const PlinthStep& step : plinthSteps(buttons_)) {
            const PixelRect rect = boundsOf(step.box, 0);
            if (wanted(step.id) && rect.Overlaps(context_.paneFrame)) {
                problems_.push_back(
                    {"the plinth's step " + PixelRectText(rect) + " under button " + std::to_string(step.id) +
                         " reaches into the notice pane's frame at " + PixelRectText(context_.paneFrame) +
                         paneEndFor(context_, rect.top) + ".",
                     {step.id},
                     Misfit::Place});
            }
        }
        const std::vector<Tray> trays = traysOf(buttons_, context_.logo);
        const auto wantedTray = [&](const Tray& tray) {
            return std::any_of(tray.ids.begin(), tray.ids.end(), [&](int id) { return wanted(id); });
        };
        for (std::size_t i = 0; i < trays.size(); ++i) {
            if (wantedTray(trays[i])) {
                checkTray(trays[i]);
            }
            for (std::size_t j = i + 1; j < trays.size(); ++j) {
                if ((wantedTray(trays[i]) || wantedTray(trays[j])) && trays[i].rect.Overlaps(trays[j].rect)) {
                    std::vector<int> ids = trays[i].ids;
                    ids.insert(ids.end(), trays[j].ids.begin(), trays[j].ids.end());
                    problems_.push_back(
                        {trayName(trays[i]) + " overlaps " + trayName(trays[j]) + ".", ids, Misfit::Tray});
                }
            }
        }
        return problems_;
    }

private:
    bool wanted(int id) const {
        return placesOf_ == nullptr ||
               std::find(placesOf_->begin(), placesOf_->end(), id) != placesOf_->end();
    }

    void say(const ButtonFace& b, const std::string& text, std::vector<int> others = {}) {
        others.insert(others.begin(), b.id);
        problems_.push_back({nameOf(b) + ": " + text, others, Misfit::Place});
    }
    void sayOfRow(const ButtonFace& b, const std::string& text) {
        problems_.push_back({nameOf(b) + ": " + text, {b.id}, Misfit::Row});
    }

    void checkImages(std::size_t index) {
        const ButtonFace& b = buttons_[index];
        const auto valid = [](int id) { return id > 0 && id <= kLargestResourceId; };
        if (!valid(b.normalId) || !valid(b.hoverId) || b.normalId == b.hoverId) {
            sayOfRow(b, "its normal and hover images need two ids of their own between 1 and " +
                            std::to_string(kLargestResourceId) + ", not " + std::to_string(b.normalId) +
                            " and " + std::to_string(b.hoverId) + ".");
        }
        for (const int id : {b.pressedId, b.disabledId}) {
            if (id != 0 && id != b.normalId && id != b.hoverId) {
                sayOfRow(
                    b,
                    "it names image " + std::to_string(id) +
                        " for its pressed or disabled face; the generator paints only the normal and hover "
                        "faces, so name one of those or 0.");
            }
        }
        for (std::size_t j = 0; j < index; ++j) {
            const ButtonFace& other = buttons_[j];
            if (other.id == b.id) {
                sayOfRow(b, "its control id is also that of " + nameOf(other) + ".");
            }
            for (const int id : {b.normalId, b.hoverId}) {
                if (id == other.normalId || id == other.hoverId) {
                    sayOfRow(b, "image " + std::to_string(id) + " is also a face of " + nameOf(other) +
                                    "; each face is painted from its own place on the skin.");
                }
            }
        }
    }

    void checkLabel(const ButtonFace& b) {
        if (!b.carriesLabel) {
            return;
        }
        if (*b.label == '\0') {
            sayOfRow(b, "its label is empty; a web or start button carries one.");
            return;
        }
        const std::string foreign = ForeignLabelCharacters(b.label);
        if (!foreign.empty()) {
            sayOfRow(b, "its label uses \"" + foreign + "\"; a label is written with \"" + kLabelCharacters +
                            "\".");
            return;
        }
        const PixelRect room = labelRoom(b);
        const PixelRect ink = labelInk(b);
        if (ink.left < room.left || ink.top < room.top || ink.right > room.right ||
            ink.bottom > room.bottom) {
            // The room's margins stay what they are when the face grows.
            const int width = std::max(b.face.Width(), ink.Width() + b.face.Width() - room.Width());
            const int height = std::max(b.face.Height(), ink.Height() + b.face.Height() - room.Height());
            sayOfRow(b, "its label needs " + std::to_string(ink.Width()) + " x " +
                            std::to_string(ink.Height()) + " pixels; the face has room for " +
                            std::to_string(room.Width()) + " x " + std::to_string(room.Height()) +
                            ": a face of at least " + std::to_string(width) + " x " + std::to_string(height) +
                            " carries it.");
        }
    }

    // Inside the window, and clear of the opaque bands the frame paints along the cut edge: every pixel of
    // the box rounded by `radius`.
    bool clearOfFrame(const Box& box, double radius) const {
        if (box.left < 0.0 || box.top < 0.0 || box.right > kSkinWidth || box.bottom > kSkinHeight) {
            return false;
        }
        const PixelRect area = boundsOf(box, 0);
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, kSkinHeight); ++y) {
            for (int x = std::max(area.left, 0); x < std::min(area.right, kSkinWidth); ++x) {
                const bool inside = roundBoxDistance(x + 0.5, y + 0.5, box, radius) < 0.0;
                if (inside && context_.edgeDistance[std::size_t(y) * kSkinWidth + std::size_t(x)] <
                                  kWindowFrameDepth + 0.5) {
                    return false;
                }
            }
        }
        return true;
    }

    void checkPlace(const ButtonFace& b) {
        const PixelRect well = wellInk(b);
        const PlateLook plate = lookOf(b.kind, false).plate;
        if (!clearOfFrame(toBox(drawnFace(b)).inset(plate.inset), plate.radius)) {
            say(b, "its plate comes within " + std::to_string(int(kWindowFrameDepth)) +
                       " pixels of the window's cut edge, where the frame is painted.");
        }
        if (well.Overlaps(context_.logo)) {
            say(b, "its well " + PixelRectText(well) + " overlaps the logo at " +
                       PixelRectText(context_.logo) + ".");
        }
        if (well.Overlaps(context_.paneFrame)) {
            say(b, "its well " + PixelRectText(well) + " overlaps the notice pane's frame at " +
                       PixelRectText(context_.paneFrame) +
                       (well.top > context_.pane.top ? paneEndFor(context_, well.top) : std::string()) + ".");
        }
    }

    // Wells may meet at their lips, but a well must not reach into a face that stands in another well.
    void checkPair(const ButtonFace& a, const ButtonFace& b) {
        if (a.face.Overlaps(b.face)) {
            say(b, "it overlaps " + nameOf(a) + ".", {a.id});
            return;
        }
        if (a.onPlinth && b.onPlinth) {
            return;
        }
        const auto reaches = [](const ButtonFace& from, const ButtonFace& into) {
            const Box hole = wellHole(from);
            const PixelRect face = drawnFace(into);
            return hole.left < face.right && face.left < hole.right && hole.top < face.bottom &&
                   face.top < hole.bottom;
        };
        if (reaches(a, b) || reaches(b, a)) {
            say(b, "its well and that of " + nameOf(a) + " reach into each other's faces.", {a.id});
        }
    }

    void checkTray(const Tray& tray) {
        const auto trayProblem = [&](const std::string& text) {
            problems_.push_back({trayName(tray) + text, tray.ids, Misfit::Tray});
        };
        if (!clearOfFrame(toBox(tray.rect), 0.0)) {
            trayProblem(" comes within " + std::to_string(int(kWindowFrameDepth)) +
                        " pixels of the window's cut edge, where the frame is painted.");
        }
        if (tray.rect.Overlaps(context_.logo)) {
            trayProblem(" overlaps the logo at " + PixelRectText(context_.logo) + ".");
        }
        if (tray.rect.Overlaps(context_.paneFrame)) {
            trayProblem(" overlaps the notice pane's frame at " + PixelRectText(context_.paneFrame) + ".");
        }
    }

    const std::vector<ButtonFace>& buttons_;
    const FitContext& context_;
    const std::vector<int>* const placesOf_;
    std::vector<Misfit> problems_;
};

bool involves(const Misfit& misfit, int id) {
    return std::find(misfit.ids.begin(), misfit.ids.end(), id) != misfit.ids.end();
}

// Whether the table's faces, wells, trays and steps leave the button `id` clear of everything.
// Whether the table's faces, wells, trays and steps leave the buttons `ids` clear of everything.
bool placeFits(const std::vector<ButtonFace>& buttons, const FitContext& context,
               const std::vector<int>& ids) {
    for (const Misfit& misfit : FitCheck(buttons, context, &ids).run()) {
        for (const int id : ids) {
            if (involves(misfit, id)) {
                return false;
            }
        }
    }
    return true;
}

// How far the buttons `ids` have to move together, the other rows staying, for nothing they must keep clear
// of to be in their way: the shortest such move within kSearchReach pixels, along the bar only or in any
// direction; false when there is none.
constexpr int kSearchReach = 60;

bool nearestFit(std::vector<ButtonFace> buttons, const std::vector<int>& ids, bool alongOnly,
                const FitContext& context, int& moveX, int& moveY) {
    std::vector<std::pair<int, int>> moves;
    const int reachY = alongOnly ? 0 : kSearchReach;
    for (int dy = -reachY; dy <= reachY; ++dy) {
        for (int dx = -kSearchReach; dx <= kSearchReach; ++dx) {
            if (dx != 0 || dy != 0) {
                moves.emplace_back(dx, dy);
            }
        }
    }
    // Shortest moves first; of two alike, the one along the row, which keeps the button on its bar.
    std::stable_sort(moves.begin(), moves.end(), [](const auto& a, const auto& b) {
        const int da = a.first * a.first + a.second * a.second;
        const int db = b.first * b.first + b.second * b.second;
        return da != db ? da < db : std::abs(a.second) < std::abs(b.second);
    });
    const std::vector<ButtonFace> from = buttons;
    for (const auto& move : moves) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (std::find(ids.begin(), ids.end(), buttons[i].id) != ids.end()) {
                buttons[i] = faceAt(from[i], from[i].face.Offset(move.first, move.second), context.pane);
            }
        }
        if (placeFits(buttons, context, ids)) {
            moveX = move.first;
            moveY = move.second;
            return true;
        }
    }
    return false;
}

std::string moveText(const PixelRect& from, const PixelRect& to) {
    std::string text;
    const auto part = [&](int by, const char* less, const char* more) {
        if (by != 0) {
            text += (text.empty() ? "" : " and ") + std::to_string(std::abs(by)) +
                    (std::abs(by) == 1 ? " pixel " : " pixels ") + (by < 0 ? less : more);
        }
    };
    part(to.left - from.left, "left", "right");
    part(to.top - from.top, "up", "down");
    return text;
}

} // namespace

std::string trayName(const Tray& tray) {
    std::string ids;
    for (const int id : tray.ids) {
        ids += (ids.empty() ? "" : ", ") + std::to_string(id);
    }
    return "the tray " + PixelRectText(tray.rect) + " around button" + (tray.ids.size() > 1 ? "s " : " ") +
           ids;
}

FitContext fitContext(const Outline& outline, const PixelRect& logo, const PixelRect& pane) {
    return FitContext{edgeDistances(outline, kWindowFrameDepth + 1.0), logo, pane, paneFrameBounds(pane)};
}

std::vector<Misfit> misfits(const std::vector<ButtonFace>& buttons, const FitContext& context) {
    return FitCheck(buttons, context).run();
}

std::vector<std::string> whatWouldFit(const std::vector<ButtonFace>& buttons,
                                      const std::vector<Misfit>& problems, const FitContext& context) {
    std::vector<std::string> hints;
    std::vector<int> placed;
    for (const Misfit& problem : problems) {
        const int id = problem.ids.front();
        if (problem.kind != Misfit::Place || std::find(placed.begin(), placed.end(), id) != placed.end()) {
            continue;
        }
        placed.push_back(id);
        const auto row =
            std::find_if(buttons.begin(), buttons.end(), [id](const ButtonFace& b) { return b.id == id; });
        int dx = 0;
        int dy = 0;
        if (nearestFit(buttons, {id}, false, context, dx, dy)) {
            const PixelRect found = row->face.Offset(dx, dy);
            hints.push_back(nameOf(*row) + " fits at " + PixelRectText(found) + ", " +
                            moveText(row->face, found) + ", the others staying.");
        } else {
            hints.push_back(nameOf(*row) + " fits nowhere within " + std::to_string(kSearchReach) +
                            " pixels while the others stay; move them too.");
        }
    }
    for (const TraySpan& span : traySpans(buttons, context)) {
        const bool troubled = std::any_of(problems.begin(), problems.end(), [&](const Misfit& problem) {
            return problem.kind == Misfit::Tray && involves(problem, span.tray.ids.front());
        });
        if (!troubled) {
            continue;
        }
        const int spare = span.free.Width() - span.tray.rect.Width();
        std::string hint =
            trayName(span.tray) + " has x " + std::to_string(span.free.left) + " to " +
            std::to_string(span.free.right) + " free (" + std::to_string(span.free.Width()) +
            " pixels); it takes " + std::to_string(span.tray.rect.Width()) +
            (spare >= 0 ? ", " + std::to_string(spare) + " to spare"
                        : ", " + std::to_string(-spare) + " too many: narrow or drop a button");
        int dx = 0;
        int dy = 0;
        if (spare >= 0 && nearestFit(buttons, span.tray.ids, true, context, dx, dy)) {
            hint += "; its buttons fit moved " + moveText(PixelRect{0, 0, 0, 0}, PixelRect{dx, 0, dx, 0}) +
                    " together";
        }
        hints.push_back(hint + ".");
    }
    return hints;
}

std::vector<TraySpan> traySpans(const std::vector<ButtonFace>& buttons, const FitContext& context) {
    const std::vector<Tray> trays = traysOf(buttons, context.logo);
    std::vector<TraySpan> spans;
    for (std::size_t i = 0; i < trays.size(); ++i) {
        const PixelRect& rect = trays[i].rect;
        // A column of the tray's height is free where it stays clear of the logo, the pane's frame, the
        // other trays and the window's frame.
        const auto freeColumn = [&](int x) {
            if (x < 0 || x >= kSkinWidth) {
                return false;
            }
            const PixelRect column{x, rect.top, x + 1, rect.bottom};
            if (column.Overlaps(context.logo) || column.Overlaps(context.paneFrame)) {
                return false;
            }
            for (std::size_t j = 0; j < trays.size(); ++j) {
                if (j != i && column.Overlaps(trays[j].rect)) {
                    return false;
                }
            }
            for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, kSkinHeight); ++y) {
                if (context.edgeDistance[std::size_t(y) * kSkinWidth + std::size_t(x)] <
                    kWindowFrameDepth + 0.5) {
                    return false;
                }
            }
            return rect.top >= 0;
        };
        // From the middle of the tray's buttons outwards.
        const int middle = (rect.left + rect.right) / 2;
        int left = middle;
        while (freeColumn(left - 1)) {
            --left;
        }
        int right = middle;
        while (freeColumn(right)) {
            ++right;
        }
        spans.push_back(TraySpan{trays[i], PixelRect{left, rect.top, right, rect.bottom}});
    }
    return spans;
}
