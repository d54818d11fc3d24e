#include "HostPath.h"
#include "ImportHook.h"
#include "PatcherLaunch.h"
#include "PatcherRecord.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

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
                    CommandCase{L"C:\\", L"C:\\\\patcher_qz.exe"}));

// The buffers hold 4,096 characters with the terminator; the command line, the longer of the two, is the path
// in quotes. A directory of 4,078 characters gives a path of 4,093 and a command line that fills the buffer
// to its last character; one more does not fit. Without a directory there is no path at all.
TEST(PatcherCommand, FillsItsBuffersToTheLastCharacterAndNoFurther) {
    const struct {
        size_t directoryLength;
        bool fits;
    } cases[] = {{0, false},    {1, true},     {4077, true},  {4078, true},
                 {4079, false}, {4080, false}, {4093, false}, {4096, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.directoryLength);
        const std::wstring directory(c.directoryLength, L'd');
        // Marked beyond the terminator's place, to see that nothing is written past it.
        std::vector<wchar_t> memory(sizeof(PATCHER_COMMAND) / sizeof(wchar_t) + 8, L'#');
        auto& command = *reinterpret_cast<PATCHER_COMMAND*>(memory.data());
        ASSERT_EQ(BuildPatcherCommand(directory.c_str(), command) != FALSE, c.fits);
        EXPECT_EQ(std::wstring(memory.end() - 8, memory.end()), L"########") << "written past the buffers";
        if (c.fits) {
            const std::wstring path = directory + L"\\patcher_qz.exe";
            EXPECT_EQ(command.path, path);
            EXPECT_EQ(command.commandLine, L"\"" + path + L"\"");
        }
    }
}

// The system as LaunchPatcher asks it, through this program's imports: the current directory it reads, the
// shell's answer, and what it asks the shell and the system to start, recorded instead of started.
class CLaunchSystem {
public:
    CLaunchSystem()
        : m_directory("kernel32.dll", "GetCurrentDirectoryW", reinterpret_cast<void*>(&CurrentDirectory)),
          m_shell("shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&Shell)),
          m_process("kernel32.dll", "CreateProcessW", reinterpret_cast<void*>(&Process)) {
        s_shellFiles.clear();
        s_processes.clear();
    }
    bool Installed() const { return m_directory.Installed() && m_shell.Installed() && m_process.Installed(); }

    // The directory the system reports; with a failure, none and that last error.
    static inline std::wstring s_currentDirectory;
    static inline DWORD s_directoryFailure = 0;
    static inline INT_PTR s_shellResult = 0;
    static inline DWORD s_shellError = 0;
    static inline std::vector<std::wstring> s_shellFiles;
    static inline std::vector<std::wstring> s_processes; // their command lines

private:
    // As the system answers: the length without the terminator, or the size needed when it does not fit.
    static DWORD WINAPI CurrentDirectory(DWORD capacity, LPWSTR buffer) {
        if (s_directoryFailure != 0) {
            ::SetLastError(s_directoryFailure);
            return 0;
        }
        const DWORD length = static_cast<DWORD>(s_currentDirectory.size());
        if (length + 1 > capacity) {
            return length + 1;
        }
        std::copy(s_currentDirectory.c_str(), s_currentDirectory.c_str() + length + 1, buffer);
        return length;
    }
    static HINSTANCE WINAPI Shell(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT) {
        s_shellFiles.push_back(file ? file : L"");
        ::SetLastError(s_shellError);
        return reinterpret_cast<HINSTANCE>(s_shellResult);
    }
    static BOOL WINAPI Process(LPCWSTR, LPWSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                               BOOL, DWORD, LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION) {
        s_processes.push_back(commandLine ? commandLine : L"");
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }

    CImportHook m_directory;
    CImportHook m_shell;
    CImportHook m_process;
};

// What is started after the shell's answer, and whether anything is when the current directory cannot be
// read: the player's refusal at the shell is final, and without a directory there is no patcher to name.
TEST(PatcherLaunch, StartsDirectlyOnlyWhenTheShellFailedWithoutARefusal) {
    const CLaunchSystem system;
    ASSERT_TRUE(system.Installed());
    const std::wstring game = L"C:\\Games\\Skyreach";
    const std::wstring path = game + L"\\patcher_qz.exe";
    using Starts = std::vector<std::wstring>;
    const struct {
        const char* name;
        std::wstring directory;
        DWORD directoryFailure;
        INT_PTR shellResult;
        DWORD shellError;
        Starts shellFiles;
        Starts processes;
    } cases[] = {
        {"the shell starts it", game, 0, 42, 0, {path}, {}},
        {"the shell finds no program",
         game,
         0,
         SE_ERR_FNF,
         ERROR_FILE_NOT_FOUND,
         {path},
         {L"\"" + path + L"\""}},
        {"the shell has no association",
         game,
         0,
         SE_ERR_NOASSOC,
         ERROR_NO_ASSOCIATION,
         {path},
         {L"\"" + path + L"\""}},
        {"the player declines the elevation prompt",
         game,
         0,
         SE_ERR_ACCESSDENIED,
         ERROR_CANCELLED,
         {path},
         {}},
        {"the shell denies access", game, 0, SE_ERR_ACCESSDENIED, ERROR_ACCESS_DENIED, {path}, {}},
        {"the player cancels the security warning", game, 0, 0, ERROR_CANCELLED, {path}, {}},
        {"the current directory cannot be read", game, ERROR_ACCESS_DENIED, 42, 0, {}, {}},
        {"a current directory of 4,093 characters", std::wstring(4093, L'd'), 0, 42, 0, {}, {}},
        {"a current directory of 4,094 characters", std::wstring(4094, L'd'), 0, 42, 0, {}, {}},
        {"a current directory of 4,095 characters", std::wstring(4095, L'd'), 0, 42, 0, {}, {}},
        {"a current directory of 4,096 characters, longer than the buffer",
         std::wstring(4096, L'd'),
         0,
         42,
         0,
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLaunchSystem::s_currentDirectory = c.directory;
        CLaunchSystem::s_directoryFailure = c.directoryFailure;
        CLaunchSystem::s_shellResult = c.shellResult;
        CLaunchSystem::s_shellError = c.shellError;
        CLaunchSystem::s_shellFiles.clear();
        CLaunchSystem::s_processes.clear();
        LaunchPatcher(nullptr);
        EXPECT_EQ(CLaunchSystem::s_shellFiles, c.shellFiles) << "asked of the shell";
        EXPECT_EQ(CLaunchSystem::s_processes, c.processes) << "started directly";
    }
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
