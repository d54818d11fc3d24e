#include "FeatureRegistry.h"

#include <gtest/gtest.h>

namespace {

std::wstring FeatureKeyPath(const wchar_t* feature) {
    return std::wstring(L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\") + feature;
}

// The 15 switches as the publisher lists them: the emulation mode, whose data depends on the installed
// browser, then the features turned on (1) or off (0) for the launcher.
constexpr wchar_t kEmulationSwitch[] = L"FEATURE_BROWSER_EMULATION";
struct OnOffSwitch {
    const wchar_t* key;
    DWORD data;
};
constexpr OnOffSwitch kOnOffSwitches[] = {
    {L"FEATURE_AJAX_CONNECTIONEVENTS", 1},
    {L"FEATURE_GPU_RENDERING", 1},
    {L"FEATURE_IVIEWOBJECTDRAW_DMLT9_WITH_GDI", 0},
    {L"FEATURE_NINPUT_LEGACYMODE", 0},
    {L"FEATURE_DISABLE_NAVIGATION_SOUNDS", 1},
    {L"FEATURE_SCRIPTURL_MITIGATION", 1},
    {L"FEATURE_SPELLCHECKING", 0},
    {L"FEATURE_STATUS_BAR_THROTTLING", 1},
    {L"FEATURE_VALIDATE_NAVIGATE_URL", 1},
    {L"FEATURE_WEBOC_DOCUMENT_ZOOM", 1},
    {L"FEATURE_WEBOC_POPUPMANAGEMENT", 0},
    {L"FEATURE_ADDON_MANAGEMENT", 0},
    {L"FEATURE_WEBSOCKET", 1},
    {L"FEATURE_WINDOW_RESTRICTIONS", 0},
};

// The emulation mode expected from the browser version this machine reports, read here on its own.
DWORD ExpectedEmulationValue() {
    wchar_t version[600] = {};
    DWORD size = sizeof version - sizeof(wchar_t);
    const wchar_t* key = L"SOFTWARE\\Microsoft\\Internet Explorer";
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key, L"svcVersion", RRF_RT_REG_SZ, nullptr, version, &size) !=
        ERROR_SUCCESS) {
        size = sizeof version - sizeof(wchar_t);
        if (::RegGetValueW(HKEY_LOCAL_MACHINE, key, L"version", RRF_RT_REG_SZ, nullptr, version, &size) !=
            ERROR_SUCCESS) {
            return 11000;
        }
    }
    const wchar_t* field = version;
    while (*field == L'.') {
        ++field;
    }
    const int major = _wtoi(field);
    return major >= 7 && major <= 11 ? static_cast<DWORD>(major) * 1000 : 11000;
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

void ExpectFeatureValues(const std::wstring& valueName) {
    DWORD type = 0;
    EXPECT_EQ(ReadFeatureValue(kEmulationSwitch, valueName.c_str(), &type), ExpectedEmulationValue());
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    for (const OnOffSwitch& row : kOnOffSwitches) {
        EXPECT_EQ(ReadFeatureValue(row.key, valueName.c_str(), &type), row.data) << row.key;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << row.key;
    }
}

void DeleteFeatureValues(const std::wstring& valueName) {
    DeleteFeatureValue(kEmulationSwitch, valueName.c_str());
    for (const OnOffSwitch& row : kOnOffSwitches) {
        DeleteFeatureValue(row.key, valueName.c_str());
    }
}
