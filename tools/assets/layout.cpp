#include "layout.h"

#include "FaceRows.h"

namespace {

// Window buttons by what they do; the others as web buttons, placed on the bar by faceAt.
ButtonKind kindOf(const BUTTON_DATA& row) {
    switch (row.type) {
    case MinimiseParent:
        return ButtonKind::Minimise;
    case CloseParent:
        return ButtonKind::Close;
    case RequestStart:
        return ButtonKind::Start;
    default:
        return ButtonKind::Nav;
    }
}

} // namespace

ButtonFace faceOf(const BUTTON_DATA& row, const PixelRect& pane) {
    return faceAt(ButtonFace{row.id, row.normalImage, row.hoverImage, row.pressedImage, row.disabledImage,
                             kindOf(row), row.label, CarriesLabel(row.type), row.face, false},
                  row.face, pane);
}

ButtonFace faceAt(ButtonFace button, const PixelRect& face, const PixelRect& pane) {
    button.face = face;
    button.onPlinth = face.top >= pane.bottom;
    if (button.kind == ButtonKind::Nav || button.kind == ButtonKind::PlinthLink) {
        button.kind = button.onPlinth ? ButtonKind::PlinthLink : ButtonKind::Nav;
    }
    return button;
}

PixelRect noticePane() {
    return kBrowserData[0].pane;
}

const std::vector<ButtonFace>& tableButtons() {
    static const std::vector<ButtonFace> buttons = [] {
        std::vector<ButtonFace> all;
        for (const BUTTON_DATA& row : kButtonData) {
            all.push_back(faceOf(row, noticePane()));
        }
        return all;
    }();
    return buttons;
}
