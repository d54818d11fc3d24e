#pragma once

#include "ButtonWindow.h"
#include "RowTypes.h"
#include "Labels.h"
#include "geometry.h"

#include <vector>

// The notice pane's rectangle, which the browser pane covers at run time.
PixelRect noticePane();

// How a face looks: window buttons by what they do, web buttons by where they stand (the top bar's small
// plates, or the plinth's large ones).
enum class ButtonKind { Nav, Minimise, Close, PlinthLink, Start };

struct ButtonFace {
    int id; // the button's control id
    int normalId;
    int hoverId;
    int pressedId;
    int disabledId;
    ButtonKind kind;
    const char* label;
    bool carriesLabel; // false: a window button, which wears a glyph
    PixelRect face;    // as the launcher's button table gives it
    bool onPlinth;     // below the notice pane: on the plinth, in its shared well; otherwise in a tray
};

// On the plinth when it stands below the pane.
ButtonFace faceOf(const BUTTON_DATA& row, const PixelRect& pane);

// The same button with its face at `face`: on the plinth or in the top bar as the new place puts it.
ButtonFace faceAt(ButtonFace button, const PixelRect& face, const PixelRect& pane);

// The launcher's button rows, one face each, in row order. The one place the generator reads the rows.
const std::vector<ButtonFace>& tableButtons();

// Where the launcher draws a face; wells and the skin a face is built from lie there.
inline PixelRect drawnFace(const ButtonFace& b) {
    return DrawnFaceRect(b.face);
}
