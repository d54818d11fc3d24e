// Resource identifiers of the launcher. They are fixed: the launcher's code and the tests refer to them.
// The button faces' bitmap ids are the button table's own (face/FaceRows.h).
#pragma once

#define IDD_LAUNCHER_DIALOG 102
#define IDR_MAINFRAME 128

#define IDR_SKIN_PNG 206
