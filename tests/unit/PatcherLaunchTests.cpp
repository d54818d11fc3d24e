#include "PatcherLaunch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CommandCase {
    const wchar_t* directory;
    const wchar_t* path;
};

class PatcherCommandTest : public testing::TestWithParam<CommandCase> {};

// The path is joined as it is; the command line always quotes it, so "C:\Program Files\..." can
// never be taken for "C:\Program.exe".
TEST_P(PatcherCommandTest, JoinsThePathAndQuotesTheCommandLine) {
    PATCHER_COMMAND command = {};
    ASSERT_TRUE(BuildPatcherCommand(GetParam().directory, command));
    EXPECT_STREQ(command.path, GetParam().path);
    EXPECT_EQ(std::wstring(command.commandLine), L"\"" + std::wstring(GetParam().path) + L"\"");
}

INSTANTIATE_TEST_SUITE_P(
    Directories, PatcherCommandTest,
    testing::Values(CommandCase{L"C:\\Games\\Skyreach", L"C:\\Games\\Skyreach\\patcher_qz.exe"},
                    CommandCase{L"C:\\Program Files\\Game", L"C:\\Program Files\\Game\\patcher_qz.exe"},
                    CommandCase{L"C:\\", L"C:\\\\patcher_qz.exe"}, CommandCase{L"", L"\\patcher_qz.exe"}));

TEST(PatcherCommand, PathThatDoesNotFitIsRefused) {
    const std::wstring deep(kPatcherPathCapacity - 8, L'd');
    PATCHER_COMMAND command = {};
    EXPECT_FALSE(BuildPatcherCommand(deep.c_str(), command));
}

} // namespace
