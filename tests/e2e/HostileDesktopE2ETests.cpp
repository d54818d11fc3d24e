// The real launcher among people who are not players: another program on the same desktop that sends it
// forged notifications, and whoever can write into the game's folder and plants DLLs there.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "E2EEnvironment.h"
#include "LauncherProcess.h"
#include "TracedLauncher.h"

namespace {

// A copy of the launcher under a name of its own, in a fresh folder: the game's folder.
std::wstring LauncherCopyIn(const std::wstring& folder, const std::wstring& name) {
    const std::wstring copy = folder + L"\\" + name;
    ::CopyFileW(TestPaths().launcher.c_str(), copy.c_str(), FALSE);
    return copy;
}

// Runs `program`, answering nothing, and returns what it printed; its exit code goes to exitCode.
std::string RunForOutput(const std::wstring& program, DWORD* exitCode) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &inheritable, 0)) {
        return std::string();
    }
    ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process = {};
    const BOOL started = ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                          nullptr, &startup, &process);
    ::CloseHandle(write);
    std::string output;
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (::ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            output.append(buffer, got);
        }
        ::WaitForSingleObject(process.hProcess, 60000);
        ::GetExitCodeProcess(process.hProcess, exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(read);
    return output;
}

// The lines of Wine's exception channel that report an exception raised, one for each.
std::vector<std::string> ExceptionsIn(const std::vector<std::string>& lines) {
    std::vector<std::string> exceptions;
    for (const std::string& line : lines) {
        if (line.find(":seh:dispatch_exception") != std::string::npos) {
            exceptions.push_back(line);
        }
    }
    return exceptions;
}

TEST(HostileDesktop, ForgedNotificationsFromAnotherProgramRaiseNothingAndTheLauncherStillAnswers) {
    const std::wstring folder = FreshScratchDirectory(L"skyreach-forged");
    // Wine's exception channel reports every exception raised in the process, handled or not: under Wine a
    // window procedure's access violation is swallowed by the callback dispatcher, where Windows may end
    // the process.
    TracedLauncher launcher(LauncherCopyIn(folder, L"SkyreachForged.exe"), folder, L"+pid,warn+seh", L"");
    const HWND window = launcher.WaitForWindow();
    ASSERT_NE(window, nullptr);

    DWORD delivered = 0;
    const std::string tallies = RunForOutput(TestPaths().forger, &delivered);
    std::printf("forged notifications, per message: delivered sent\n%s", tallies.c_str());
    EXPECT_GT(static_cast<int>(delivered), 0) << "the launcher received forged notifications";

    DWORD_PTR answer = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer))
        << "the launcher still answers";
    EXPECT_TRUE(::IsWindowVisible(window));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(launcher.WaitForExit(30000, &exitCode));
    EXPECT_EQ(exitCode, 0u);

    const std::vector<std::string> exceptions = ExceptionsIn(launcher.LogLines());
    std::printf("exceptions raised in the launcher: %zu\n", exceptions.size());
    for (size_t i = 0; i < exceptions.size() && i < 5; ++i) {
        ADD_FAILURE() << exceptions[i];
    }
}

} // namespace
