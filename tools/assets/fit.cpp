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

std::string trayName(const Tray& tray) {
    std::string ids;
    for (const int id : tray.ids) {
        ids += (ids.empty() ? "" : ", ") + std::to_string(id);
    }
    return "the tray " + PixelRectText(tray.rect) + " around button" + (tray.ids.size() > 1 ? "s " : " ") +
           ids;
}

class FitCheck {
public:
    FitCheck(const std::vector<ButtonFace>& buttons, const Outline& outline, const PixelRect& logo)
        : buttons_(buttons), edgeDistance_(edgeDistances(outline, kWindowFrameDepth + 1.0)), logo_(logo),
          paneFrame_(paneFrameBounds()) {}

    std::vector<std::string> run() {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            checkImages(i);
            checkLabel(buttons_[i]);
            checkPlace(buttons_[i]);
            for (std::size_t j = i + 1; j < buttons_.size(); ++j) {
                checkPair(buttons_[i], buttons_[j]);
            }
        }
        for (const PlinthStep& step : plinthSteps(buttons_)) {
            const PixelRect rect = boundsOf(step.box, 0);
            if (rect.Overlaps(paneFrame_)) {
                problems_.push_back("the plinth's step " + PixelRectText(rect) + " under button " +
                                    std::to_string(step.id) + " reaches into the notice pane's frame at " +
                                    PixelRectText(paneFrame_) + ".");
            }
        }
        const std::vector<Tray> trays = traysOf(buttons_, logo_);
        for (std::size_t i = 0; i < trays.size(); ++i) {
            checkTray(trays[i]);
            for (std::size_t j = i + 1; j < trays.size(); ++j) {
                if (trays[i].rect.Overlaps(trays[j].rect)) {
                    problems_.push_back(trayName(trays[i]) + " overlaps " + trayName(trays[j]) + ".");
                }
            }
        }
        return problems_;
    }

private:
    void say(const ButtonFace& b, const std::string& text) { problems_.push_back(nameOf(b) + ": " + text); }

    void checkImages(std::size_t index) {
        const ButtonFace& b = buttons_[index];
        const auto valid = [](int id) { return id > 0 && id <= kLargestResourceId; };
        if (!valid(b.normalId) || !valid(b.hoverId) || b.normalId == b.hoverId) {
            say(b, "its normal and hover images need two ids of their own between 1 and " +
                       std::to_string(kLargestResourceId) + ", not " + std::to_string(b.normalId) + " and " +
                       std::to_string(b.hoverId) + ".");
        }
        for (const int id : {b.pressedId, b.disabledId}) {
            if (id != 0 && id != b.normalId && id != b.hoverId) {
                say(b,
                    "it names image " + std::to_string(id) +
                        " for its pressed or disabled face; the generator paints only the normal and hover "
                        "faces, so name one of those or 0.");
            }
        }
        for (std::size_t j = 0; j < index; ++j) {
            const ButtonFace& other = buttons_[j];
            if (other.id == b.id) {
                say(b, "its control id is also that of " + nameOf(other) + ".");
            }
            for (const int id : {b.normalId, b.hoverId}) {
                if (id == other.normalId || id == other.hoverId) {
                    say(b, "image " + std::to_string(id) + " is also a face of " + nameOf(other) +
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
            say(b, "its label is empty; a web or start button carries one.");
            return;
        }
        const std::string foreign = ForeignLabelCharacters(b.label);
        if (!foreign.empty()) {
            say(b,
                "its label uses \"" + foreign + "\"; a label is written with \"" + kLabelCharacters + "\".");
            return;
        }
        const PixelRect room = labelRoom(b);
        const PixelRect ink = labelInk(b);
        if (ink.left < room.left || ink.top < room.top || ink.right > room.right ||
            ink.bottom > room.bottom) {
            say(b, "its label needs " + std::to_string(ink.Width()) + " x " + std::to_string(ink.Height()) +
                       " pixels; the face has room for " + std::to_string(room.Width()) + " x " +
                       std::to_string(room.Height()) + ".");
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
                if (inside &&
                    edgeDistance_[std::size_t(y) * kSkinWidth + std::size_t(x)] < kWindowFrameDepth + 0.5) {
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
        if (well.Overlaps(logo_)) {
            say(b, "its well " + PixelRectText(well) + " overlaps the logo at " + PixelRectText(logo_) + ".");
        }
        if (well.Overlaps(paneFrame_)) {
            say(b, "its well " + PixelRectText(well) + " overlaps the notice pane's frame at " +
                       PixelRectText(paneFrame_) + ".");
        }
    }

    // Wells may meet at their lips, but a well must not reach into a face that stands in another well.
    void checkPair(const ButtonFace& a, const ButtonFace& b) {
        if (a.face.Overlaps(b.face)) {
            say(b, "it overlaps " + nameOf(a) + ".");
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
            say(b, "its well and that of " + nameOf(a) + " reach into each other's faces.");
        }
    }

    void checkTray(const Tray& tray) {
        if (!clearOfFrame(toBox(tray.rect), 0.0)) {
            problems_.push_back(trayName(tray) + " comes within " + std::to_string(int(kWindowFrameDepth)) +
                                " pixels of the window's cut edge, where the frame is painted.");
        }
        if (tray.rect.Overlaps(logo_)) {
            problems_.push_back(trayName(tray) + " overlaps the logo at " + PixelRectText(logo_) + ".");
        }
        if (tray.rect.Overlaps(paneFrame_)) {
            problems_.push_back(trayName(tray) + " overlaps the notice pane's frame at " +
                                PixelRectText(paneFrame_) + ".");
        }
    }

    const std::vector<ButtonFace>& buttons_;
    const std::vector<double> edgeDistance_;
    const PixelRect logo_;
    const PixelRect paneFrame_;
    std::vector<std::string> problems_;
};

} // namespace

std::vector<std::string> misfits(const std::vector<ButtonFace>& buttons, const Outline& outline,
                                 const PixelRect& logo) {
    return FitCheck(buttons, outline, logo).run();
}
