// What Windows shows of the launcher (Explorer's Properties page, an installer, a crash report) comes
// from its version resource, read here the way those programs read it. The expected values are the
// ones the build configured.
#include <windows.h>

#include "HostPath.h"
#include "version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

#define SKYREACH_WIDEN_TEXT(text) L##text
#define SKYREACH_WIDEN(text) SKYREACH_WIDEN_TEXT(text)

std::wstring g_executable;

constexpr WORD kVersion[] = {SKYREACH_VERSION_NUMBERS};
static_assert(sizeof(kVersion) / sizeof(kVersion[0]) == 4, "a Windows version has four numbers");

std::vector<BYTE> ReadVersionInfo(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<BYTE> block(size);
    if (size == 0 || !::GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        block.clear();
    }
    return block;
}

// The value at a sub-block path, or null where the block has none.
const void* Query(const std::vector<BYTE>& block, const std::wstring& path, UINT* length) {
    void* value = nullptr;
    *length = 0;
    if (!::VerQueryValueW(block.data(), path.c_str(), &value, length)) {
        return nullptr;
    }
    return value;
}

std::wstring FileName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

class VersionResource : public testing::Test {
protected:
    void SetUp() override {
        m_block = ReadVersionInfo(g_executable);
        ASSERT_FALSE(m_block.empty()) << "no version resource, error " << ::GetLastError();
    }

    std::vector<BYTE> m_block;
};

TEST_F(VersionResource, FixedPartCarriesTheConfiguredVersionOfAnApplication) {
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(m_block, L"\\", &length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD mostSignificant = MAKELONG(kVersion[1], kVersion[0]);
    const DWORD leastSignificant = MAKELONG(kVersion[3], kVersion[2]);
    EXPECT_EQ(fixed->dwFileVersionMS, mostSignificant);
    EXPECT_EQ(fixed->dwFileVersionLS, leastSignificant);
    EXPECT_EQ(fixed->dwProductVersionMS, mostSignificant);
    EXPECT_EQ(fixed->dwProductVersionLS, leastSignificant);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "debug, pre-release or patched flags";
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileDateMS | fixed->dwFileDateLS, 0u) << "a date would make every build differ";
}

TEST_F(VersionResource, TextFieldsAreTheConfiguredOnesInTheOneTranslation) {
    UINT length = 0;
    const auto* translation =
        static_cast<const WORD*>(Query(m_block, L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 2 * sizeof(WORD)) << "exactly one translation";
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);

    struct Field {
        const wchar_t* name;
        std::wstring expected;
    };
    const Field fields[] = {
        {L"CompanyName", SKYREACH_WIDEN(SKYREACH_COMPANY_NAME)},
        {L"FileDescription", SKYREACH_WIDEN(SKYREACH_PRODUCT_NAME)},
        {L"FileVersion", SKYREACH_WIDEN(SKYREACH_VERSION_TEXT)},
        {L"InternalName", SKYREACH_WIDEN(SKYREACH_INTERNAL_NAME)},
        {L"LegalCopyright", SKYREACH_WIDEN(SKYREACH_COPYRIGHT)},
        {L"OriginalFilename", SKYREACH_WIDEN(SKYREACH_FILE_NAME)},
        {L"ProductName", SKYREACH_WIDEN(SKYREACH_PRODUCT_NAME)},
        {L"ProductVersion", SKYREACH_WIDEN(SKYREACH_VERSION_TEXT)},
    };
    for (const Field& field : fields) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + field.name;
        const auto* value = static_cast<const wchar_t*>(Query(m_block, path, &length));
        // The length counts characters, with or without the terminator as the resource compiler wrote it.
        const std::wstring text = value != nullptr ? std::wstring(value, wcsnlen(value, length)) : L"";
        std::printf("%ls: %ls\n", field.name, text.c_str());
        EXPECT_NE(value, nullptr) << field.name;
        EXPECT_EQ(text, field.expected) << field.name;
    }
    EXPECT_EQ(FileName(g_executable), SKYREACH_WIDEN(SKYREACH_FILE_NAME))
        << "the file is not under its own name";
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <launcher.exe>\n", argv[0]);
        return 2;
    }
    g_executable = ToWindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
