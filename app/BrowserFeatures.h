// Per-program switches of the system web-browser control, written under the current user before
// any browser pane exists, so the control picks them up when it is created.
#pragma once

#include "BrowserEmulation.h"

#include <windows.h>

struct FEATURE_SWITCH {
    const wchar_t* keyName;
    DWORD data;
    bool isEmulationMode; // data comes from the installed browser's version instead
};

// The switches in the order they are written; the first is the emulation mode.
extern const FEATURE_SWITCH g_FeatureSwitches[];

void ApplyBrowserFeatureSettings();

// Writes the switches of `table` for `valueName`, each in its own key; a row that fails does not
// stop the others. Returns how many rows were written completely.
int WriteFeatureSwitches(const FEATURE_SWITCH* table, int count, DWORD emulationValue,
                         const wchar_t* valueName);

BOOL WriteFeatureControlValue(const wchar_t* featureKeyName, const wchar_t* valueName, DWORD data);

// Where the installed browser's version is kept, under HKEY_LOCAL_MACHINE.
constexpr wchar_t kBrowserVersionKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer";

// The emulation value for the browser version kept under root\keyPath, or kEmulationValueNotFound.
DWORD QueryBrowserEmulationValue(HKEY root = HKEY_LOCAL_MACHINE, const wchar_t* keyPath = kBrowserVersionKey);
// What the settings write: that value, or the newest mode when no version can be read.
DWORD EmulationValueToWrite(HKEY root = HKEY_LOCAL_MACHINE, const wchar_t* keyPath = kBrowserVersionKey);

// Reads a registry value as text into `text` (capacity kRegistryTextCapacity units). The text always
// ends inside the buffer, even when the stored value fills it without a terminating zero.
constexpr DWORD kRegistryTextCapacity = 512;
LONG ReadRegistryText(HKEY key, const wchar_t* valueName, wchar_t (&text)[kRegistryTextCapacity + 1]);
