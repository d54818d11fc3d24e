// Reading and removing the browser feature switches a test run leaves under the current user, and what a
// run must leave there.
#pragma once

#include <windows.h>

#include <string>

// The DWORD stored under the feature's key for valueName, with its registry type in *type; a value
// that is missing or not 4 bytes long gives kNoFeatureValue.
constexpr DWORD kNoFeatureValue = 0xDEADBEEF;
DWORD ReadFeatureValue(const wchar_t* feature, const wchar_t* valueName, DWORD* type);

void DeleteFeatureValue(const wchar_t* feature, const wchar_t* valueName);

// Expects the 15 switches as the publisher lists them, each a REG_DWORD under valueName: the emulation mode
// of the browser this machine reports, and every other switch on or off as listed.
void ExpectFeatureValues(const std::wstring& valueName);
// Removes the 15 switches' values for valueName.
void DeleteFeatureValues(const std::wstring& valueName);
