// What a skinned button does when clicked.
#pragma once

enum ActionType : int {
    NotifySelected = 1, // post LM_SELECTED with the button's id to the parent
    MinimiseParent = 2,
    CloseParent = 3,  // post WM_CLOSE to the parent
    OpenUrl = 4,      // open the button's web address in the default browser
    RequestStart = 5, // post LM_START to the parent
};
