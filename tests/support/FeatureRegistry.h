// Reading and removing the browser feature switches a test run leaves under the current user.
#pragma once

#include <windows.h>

// The DWORD stored under the feature's key for valueName, with its registry type in *type; a value
// that is missing or not 4 bytes long gives kNoFeatureValue.
constexpr DWORD kNoFeatureValue = 0xDEADBEEF;
DWORD ReadFeatureValue(const wchar_t* feature, const wchar_t* valueName, DWORD* type);

void DeleteFeatureValue(const wchar_t* feature, const wchar_t* valueName);
