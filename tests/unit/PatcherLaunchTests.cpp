#include "HostPath.h"
#include "PatcherLaunch.h"
#include "PatcherRecord.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <functional>
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

// The two starts as the patcher sees them. Windows and Wine both hand a program the shell starts the show
// command it was given (STARTF_USESHOWWINDOW, and SW_SHOWNORMAL in wShowWindow), and neither gives one to a
// program created with a zeroed STARTUPINFO; other start-up flags are the system's own and not looked at.
TEST(PatcherStart, BothStartsRunThePathAloneHereAndOnlyTheShellPassesAShowCommand) {
    const std::wstring directory = FreshScratchDirectory(L"skyreach patcher start");
    const std::wstring patcher = directory + L"\\" + kPatcherFileName;
    ASSERT_TRUE(::CopyFileW(ToWindowsPath(SKYREACH_TEST_PATCHER).c_str(), patcher.c_str(), FALSE));
    const std::wstring recordFile = directory + L"\\" + kPatcherRecordName;

    struct Case {
        const char* name;
        std::function<void()> start;
        bool showCommand;
        bool commandLineAsBuilt; // the shell builds its own
    } const cases[] = {
        {"through the shell", [] { LaunchPatcher(nullptr); }, true, false},
        {"directly",
         [&] {
             PATCHER_COMMAND command = {};
             ASSERT_TRUE(BuildPatcherCommand(directory.c_str(), command));
             EXPECT_TRUE(StartPatcherProcess(command));
         },
         false, true},
    };
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::DeleteFileW(recordFile.c_str());
        ::SetCurrentDirectoryW(directory.c_str());
        c.start();
        ::SetCurrentDirectoryW(previous);

        PatcherRecord record;
        ASSERT_TRUE(ReadPatcherRecord(recordFile, 30000, &record)) << "the patcher did not start";
        int argc = 0;
        LPWSTR* argv = ::CommandLineToArgvW(record.commandLine.c_str(), &argc);
        ASSERT_EQ(argc, 1) << "the path alone";
        EXPECT_EQ(_wcsicmp(argv[0], patcher.c_str()), 0);
        ::LocalFree(argv);
        if (c.commandLineAsBuilt) {
            EXPECT_EQ(record.commandLine, L"\"" + patcher + L"\"");
        }
        EXPECT_EQ(_wcsicmp(record.directory.c_str(), directory.c_str()), 0);
        EXPECT_EQ((record.startupFlags & STARTF_USESHOWWINDOW) != 0, c.showCommand) << record.startupFlags;
        if (c.showCommand) {
            EXPECT_EQ(record.showWindow, SW_SHOWNORMAL);
        }
    }
    ::DeleteFileW(recordFile.c_str());
    ::DeleteFileW(patcher.c_str());
    ::RemoveDirectoryW(directory.c_str());
}

} // namespace
