// Which rendering mode the system web-browser control is told to emulate, from the installed browser's
// version text. Plain text work without Windows types, shared with the host build of the cores.
#pragma once

#include <cstdint>

// The answer when the installed browser version cannot be determined.
constexpr std::uint32_t kEmulationValueNotFound = 0xFFFFFFFFu;
// The emulation value written when no better one is known: the newest rendering mode.
constexpr std::uint32_t kDefaultEmulationValue = 11000;

// Maps a browser version text such as "11.0.9600.16428" to its emulation value; a text without a
// first field gives kEmulationValueNotFound. Only the low 8 bits of each character count.
std::uint32_t EmulationValueFromVersionText(const wchar_t* versionText);
