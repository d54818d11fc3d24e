#include "BrowserFeatures.h"

#include <cwchar>
#include <iterator>
#include <string>

#include "WinApp.h"

namespace {

constexpr wchar_t kFeatureControlPrefix[] = L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\";

} // namespace

const FEATURE_SWITCH g_FeatureSwitches[] = {
    {L"FEATURE_BROWSER_EMULATION", 0, true},      {L"FEATURE_AJAX_CONNECTIONEVENTS", 1, false},
    {L"FEATURE_GPU_RENDERING", 1, false},         {L"FEATURE_IVIEWOBJECTDRAW_DMLT9_WITH_GDI", 0, false},
    {L"FEATURE_NINPUT_LEGACYMODE", 0, false},     {L"FEATURE_DISABLE_NAVIGATION_SOUNDS", 1, false},
    {L"FEATURE_SCRIPTURL_MITIGATION", 1, false},  {L"FEATURE_SPELLCHECKING", 0, false},
    {L"FEATURE_STATUS_BAR_THROTTLING", 1, false}, {L"FEATURE_VALIDATE_NAVIGATE_URL", 1, false},
    {L"FEATURE_WEBOC_DOCUMENT_ZOOM", 1, false},   {L"FEATURE_WEBOC_POPUPMANAGEMENT", 0, false},
    {L"FEATURE_ADDON_MANAGEMENT", 0, false},      {L"FEATURE_WEBSOCKET", 1, false},
    {L"FEATURE_WINDOW_RESTRICTIONS", 0, false},
};

LONG ReadRegistryText(HKEY key, const wchar_t* valueName, wchar_t (&text)[kRegistryTextCapacity + 1]) {
    DWORD byteCount = kRegistryTextCapacity * sizeof(wchar_t);
    const LONG status =
        ::RegQueryValueExW(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &byteCount);
    // The registry does not promise a terminator: stored text may fill the buffer exactly.
    const DWORD units = status == ERROR_SUCCESS ? byteCount / sizeof(wchar_t) : 0;
    text[units < kRegistryTextCapacity ? units : kRegistryTextCapacity] = L'\0';
    return status;
}

DWORD QueryBrowserEmulationValue(HKEY root, const wchar_t* keyPath) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return kEmulationValueNotFound;
    }

    wchar_t version[kRegistryTextCapacity + 1] = {};
    const bool found = ReadRegistryText(key, L"svcVersion", version) == ERROR_SUCCESS ||
                       ReadRegistryText(key, L"version", version) == ERROR_SUCCESS;
    if (::RegCloseKey(key) != ERROR_SUCCESS || !found) {
        return kEmulationValueNotFound;
    }
    return EmulationValueFromVersionText(version);
}

BOOL WriteFeatureControlValue(const wchar_t* featureKeyName, const wchar_t* valueName, DWORD data) {
    // A path that does not fit is refused: cut short, it could name some other key.
    constexpr size_t kPrefixLength = std::size(kFeatureControlPrefix) - 1;
    wchar_t keyPath[512] = {};
    const size_t nameLength = std::wcslen(featureKeyName);
    if (kPrefixLength + nameLength >= std::size(keyPath)) {
        return FALSE;
    }
    std::wmemcpy(keyPath, kFeatureControlPrefix, kPrefixLength);
    std::wmemcpy(keyPath + kPrefixLength, featureKeyName, nameLength);

    HKEY key = nullptr;
    // Volatile: keys this creates last until log-off and are written again at the next start.
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS) {
        return FALSE;
    }
    BOOL written = ::RegSetValueExW(key, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                    sizeof data) == ERROR_SUCCESS;
    if (::RegCloseKey(key) != ERROR_SUCCESS) {
        written = FALSE;
    }
    return written;
}

int WriteFeatureSwitches(const FEATURE_SWITCH* table, int count, DWORD emulationValue,
                         const wchar_t* valueName) {
    int written = 0;
    for (int i = 0; i < count; ++i) {
        const DWORD data = table[i].isEmulationMode ? emulationValue : table[i].data;
        if (WriteFeatureControlValue(table[i].keyName, valueName, data)) {
            ++written;
        }
    }
    return written;
}

DWORD EmulationValueToWrite(HKEY root, const wchar_t* keyPath) {
    const DWORD value = QueryBrowserEmulationValue(root, keyPath);
    return value == kEmulationValueNotFound ? kDefaultEmulationValue : value;
}

void ApplyBrowserFeatureSettings() {
    const DWORD emulationValue = EmulationValueToWrite();

    // The browser control looks its switches up by the executable's file name and extension.
    const std::wstring fileName = AfxGetExecutableFileName();
    // Zero-filled and one longer than it copies, so the name always ends with its terminator.
    wchar_t valueName[261] = {};
    std::wcsncpy(valueName, fileName.c_str(), std::size(valueName) - 1);

    WriteFeatureSwitches(g_FeatureSwitches, static_cast<int>(std::size(g_FeatureSwitches)), emulationValue,
                         valueName);
}
