#include "FeatureRegistry.h"

#include <string>

namespace {

std::wstring FeatureKeyPath(const wchar_t* feature) {
    return std::wstring(L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\") + feature;
}

} // namespace

DWORD ReadFeatureValue(const wchar_t* feature, const wchar_t* valueName, DWORD* type) {
    DWORD data = kNoFeatureValue;
    DWORD size = sizeof data;
    *type = REG_NONE;
    if (RegGetValueW(HKEY_CURRENT_USER, FeatureKeyPath(feature).c_str(), valueName, RRF_RT_ANY, type, &data,
                     &size) != ERROR_SUCCESS)
        return kNoFeatureValue;
    return size == sizeof data ? data : kNoFeatureValue;
}

void DeleteFeatureValue(const wchar_t* feature, const wchar_t* valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, FeatureKeyPath(feature).c_str(), 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueW(key, valueName);
        RegCloseKey(key);
    }
}
