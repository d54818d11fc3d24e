// What a publisher may write on a button's face. The asset generator renders the label of each row with the
// face font, which draws every character allowed here.
#pragma once

#include "ActionType.h"

#include <string>

// The capitals, the digits, the space and a little punctuation.
constexpr char kLabelCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -!?&.',:+/#";

bool IsLabelCharacter(char c);

// The characters of `label` that a label may not use, each once, in the order they first appear.
std::string ForeignLabelCharacters(const char* label);

// Minimise and close wear a drawn glyph; every other button carries its label on its face.
constexpr bool CarriesLabel(int actionType) {
    return actionType != MinimiseParent && actionType != CloseParent;
}
