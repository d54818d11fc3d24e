#include "BrowserFeatures.h"
#include "FeatureRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kScratchKey[] = L"Software\\SkyreachLauncherTests";

TEST(FeatureControl, WritesADwordUnderTheFeatureKey) {
    constexpr wchar_t kValue[] = L"skyreach-feature-test.exe";
    EXPECT_TRUE(WriteFeatureControlValue(L"FEATURE_SKYREACH_TEST", kValue, 1234));
    DWORD type = 0;
    EXPECT_EQ(ReadFeatureValue(L"FEATURE_SKYREACH_TEST", kValue, &type), 1234u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    DeleteFeatureValue(L"FEATURE_SKYREACH_TEST", kValue);
}

// A key name longer than the registry allows cannot be created, on Windows and Wine alike.
TEST(FeatureControl, AKeyThatCannotBeCreatedDoesNotStopTheOthers) {
    const std::wstring tooLong(300, L'X');
    const FEATURE_SWITCH table[] = {
        {L"FEATURE_SKYREACH_EMULATION_TEST", 0, true},
        {tooLong.c_str(), 1, false},
        {L"FEATURE_SKYREACH_AFTER_TEST", 1, false},
    };
    constexpr wchar_t kValue[] = L"skyreach-skip-test.exe";
    EXPECT_FALSE(WriteFeatureControlValue(tooLong.c_str(), kValue, 1));
    EXPECT_EQ(WriteFeatureSwitches(table, 3, 9000, kValue), 2);
    DWORD type = 0;
    EXPECT_EQ(ReadFeatureValue(L"FEATURE_SKYREACH_EMULATION_TEST", kValue, &type), 9000u);
    EXPECT_EQ(ReadFeatureValue(L"FEATURE_SKYREACH_AFTER_TEST", kValue, &type), 1u);
    DeleteFeatureValue(L"FEATURE_SKYREACH_EMULATION_TEST", kValue);
    DeleteFeatureValue(L"FEATURE_SKYREACH_AFTER_TEST", kValue);
}

// Each level of this path is short enough to exist, but the whole does not fit the key-path buffer:
// it must be refused, not cut short into some other key.
TEST(FeatureControl, AKeyPathTooLongForTheBufferIsRefused) {
    const std::wstring parent = L"FEATURE_SKYREACH_DEEP_TEST";
    const std::wstring deep = parent + L"\\" + std::wstring(200, L'x') + L"\\" + std::wstring(200, L'y') +
                              L"\\" + std::wstring(100, L'z');
    EXPECT_FALSE(WriteFeatureControlValue(deep.c_str(), L"skyreach-deep-test.exe", 1));
    const std::wstring parentPath =
        L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\" + parent;
    HKEY created = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, parentPath.c_str(), 0, KEY_READ, &created), ERROR_SUCCESS);
    if (created) {
        RegCloseKey(created);
        RegDeleteTreeW(HKEY_CURRENT_USER, parentPath.c_str());
    }
}

// Against the switches as the publisher lists them, not the launcher's own table, so a wrong row in that
// table shows here.
TEST(FeatureControl, ApplyWritesAllSwitchesUnderTheExecutablesFileName) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* fileName = wcsrchr(path, L'\\') ? wcsrchr(path, L'\\') + 1 : path;
    DeleteFeatureValues(fileName);
    ApplyBrowserFeatureSettings();
    ExpectFeatureValues(fileName);
    DeleteFeatureValues(fileName);
}

class RegistryTextTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, REG_OPTION_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &m_key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(m_key);
        RegDeleteKeyW(HKEY_CURRENT_USER, kScratchKey);
    }
    void Store(const std::wstring& text, bool terminated) {
        const DWORD bytes = static_cast<DWORD>((text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
        ASSERT_EQ(
            RegSetValueExW(m_key, L"text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
            ERROR_SUCCESS);
    }
    HKEY m_key = nullptr;
};

TEST_F(RegistryTextTest, ReadsTerminatedText) {
    Store(L"11.0.9600.16428", true);
    wchar_t text[kRegistryTextCapacity + 1];
    ASSERT_EQ(ReadRegistryText(m_key, L"text", text), ERROR_SUCCESS);
    EXPECT_STREQ(text, L"11.0.9600.16428");
}

// Stored without a terminator and filling the whole buffer: the text must still end in the buffer.
// Windows hands back the bytes as stored; Wine answers ERROR_MORE_DATA when no room is left for a
// terminator. Either way the reader must never leave an unterminated text behind.
TEST_F(RegistryTextTest, TextFillingTheBufferStillEndsInIt) {
    const std::wstring full(kRegistryTextCapacity, L'9');
    Store(full, false);
    wchar_t text[kRegistryTextCapacity + 1];
    for (wchar_t& c : text)
        c = L'#';
    const LONG status = ReadRegistryText(m_key, L"text", text);
    ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_MORE_DATA) << status;
    EXPECT_LE(wcsnlen(text, kRegistryTextCapacity + 1), kRegistryTextCapacity);
    if (status == ERROR_SUCCESS) {
        EXPECT_EQ(std::wstring(text), full);
    }
}

TEST_F(RegistryTextTest, LongerTextIsAnErrorAndMissingValueToo) {
    Store(std::wstring(kRegistryTextCapacity + 10, L'9'), true);
    wchar_t text[kRegistryTextCapacity + 1];
    EXPECT_EQ(ReadRegistryText(m_key, L"text", text), ERROR_MORE_DATA);
    EXPECT_EQ(ReadRegistryText(m_key, L"absent", text), ERROR_FILE_NOT_FOUND);
}

// The version lookup against a key of our own in place of the machine's.
TEST(BrowserVersion, SvcVersionWinsThenVersionThenTheNewestMode) {
    struct Case {
        const wchar_t* svcVersion; // null: no such value
        const wchar_t* version;
        bool keyExists;
        DWORD written;
    } const cases[] = {
        {L"11.0.9600.16428", L"9.0.8112.16421", true, 11000},
        {L"10.0.9200.16384", L"9.0.8112.16421", true, 10000},
        {nullptr, L"9.0.8112.16421", true, 9000},
        {nullptr, L"7.0.5730.13", true, 7000},
        {nullptr, nullptr, true, 11000},
        {nullptr, nullptr, false, 11000},
    };
    for (const Case& c : cases) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kScratchKey);
        if (c.keyExists) {
            HKEY key = nullptr;
            ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, REG_OPTION_VOLATILE,
                                      KEY_SET_VALUE, nullptr, &key, nullptr),
                      ERROR_SUCCESS);
            for (const auto& [name, text] :
                 {std::pair{L"svcVersion", c.svcVersion}, std::pair{L"version", c.version}}) {
                if (text != nullptr) {
                    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
                }
            }
            RegCloseKey(key);
        }
        EXPECT_EQ(EmulationValueToWrite(HKEY_CURRENT_USER, kScratchKey), c.written)
            << (c.svcVersion ? c.svcVersion : L"-") << " " << (c.version ? c.version : L"-");
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, kScratchKey);
}

// A volatile key takes no lasting child: the registry's own way of telling that a key is volatile, on
// Windows and under Wine alike.
TEST(FeatureControl, AFeatureKeyItCreatesIsVolatile) {
    constexpr wchar_t kValue[] = L"skyreach-volatile-test.exe";
    ASSERT_TRUE(WriteFeatureControlValue(L"FEATURE_SKYREACH_VOLATILE_TEST", kValue, 1));
    const std::wstring path =
        L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_SKYREACH_VOLATILE_TEST";
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (path + L"\\lasting").c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &child, nullptr),
              ERROR_CHILD_MUST_BE_VOLATILE);
    DeleteFeatureValue(L"FEATURE_SKYREACH_VOLATILE_TEST", kValue);
    RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
}

} // namespace
