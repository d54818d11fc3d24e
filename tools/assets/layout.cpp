#include "layout.h"

namespace {

ButtonKind kindOf(const BUTTON_DATA& row, bool onPlinth) {
    switch (row.type) {
    case MinimiseParent:
        return ButtonKind::Minimise;
    case CloseParent:
        return ButtonKind::Close;
    case RequestStart:
        return ButtonKind::Start;
    default:
        return onPlinth ? ButtonKind::PlinthLink : ButtonKind::Nav;
    }
}

} // namespace

ButtonFace faceOf(const BUTTON_DATA& row) {
    const PixelRect face = row.face;
    const bool onPlinth = face.top >= kNoticePane.bottom;
    return ButtonFace{row.id,           row.normalImage,        row.hoverImage,
                      row.pressedImage, row.disabledImage,      kindOf(row, onPlinth),
                      row.label,        CarriesLabel(row.type), face,
                      onPlinth};
}

const std::vector<ButtonFace>& tableButtons() {
    static const std::vector<ButtonFace> buttons = [] {
        std::vector<ButtonFace> all;
        for (const BUTTON_DATA& row : kButtonData) {
            all.push_back(faceOf(row));
        }
        return all;
    }();
    return buttons;
}
