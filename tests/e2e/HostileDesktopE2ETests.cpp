// The real launcher among people who are not players: another program on the same desktop that sends it
// forged notifications, and whoever can write into the game's folder and plants DLLs there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "E2EEnvironment.h"
#include "ScratchDirectory.h"
#include "KnownDlls.h"
#include "LauncherProcess.h"
#include "PeImage.h"
#include "XPointer.h"

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
    LauncherProcess launcher(LauncherCopyIn(folder, L"SkyreachForged.exe"),
                             LauncherOptions(folder, L"warn+seh"));
    const HWND window = launcher.WaitForWindow();
    ASSERT_NE(window, nullptr) << launcher.Report();

    DWORD delivered = 0;
    const std::string tallies = RunForOutput(TestPaths().forger, &delivered);
    std::printf("forged notifications, per message, way and thread: delivered sent\n%s", tallies.c_str());
    EXPECT_GT(static_cast<int>(delivered), 0) << "the launcher received forged notifications";

    DWORD_PTR answer = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer))
        << "the launcher still answers\n"
        << launcher.Report();
    EXPECT_TRUE(::IsWindowVisible(window));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(launcher.WaitForExit(kLauncherExitMs, &exitCode)) << launcher.Report();
    EXPECT_EQ(exitCode, 0u);

    const std::vector<std::string> exceptions = ExceptionsIn(launcher.WineOutput());
    std::printf("exceptions raised in the launcher: %zu\n", exceptions.size());
    for (size_t i = 0; i < exceptions.size() && i < 5; ++i) {
        ADD_FAILURE() << exceptions[i];
    }
}

std::string LowerFileName(const std::string& path) {
    return LowerCase(path.substr(path.find_last_of('\\') + 1));
}

// The text between `opening` and the next quote in line, or empty.
std::string QuotedAfter(const std::string& line, const char* opening) {
    const size_t start = line.find(opening);
    if (start == std::string::npos) {
        return std::string();
    }
    const size_t from = start + std::char_traits<char>::length(opening);
    return line.substr(from, line.find('"', from) - from);
}

struct LoadedDll {
    std::string name; // the file name, in lower case
    // Mapped by the loader before the program's first instruction: what the program imports, what those
    // import in turn and what they load as they start, all made ready before its entry point runs.
    bool beforeFirstInstruction;
};

// Whether the line is Wine's report of a DLL's start-up returning for a DLL the process was started with,
// which the loader starts with a non-null reserved argument (a DLL loaded later gets a null one).
bool EndsStartupOfAnImportedDll(const std::string& line) {
    return line.find(":module:MODULE_InitDLL (") != std::string::npos &&
           line.find(",PROCESS_ATTACH,") != std::string::npos &&
           line.find(") - RETURN") != std::string::npos &&
           line.find(",PROCESS_ATTACH,00000000)") == std::string::npos;
}

// The DLLs that Wine's loader channel reports for the launcher's process, once each, in the order of loading.
// The program's first instruction runs once the last DLL it was started with has started, which the module
// channel shows; without that channel every DLL counts as loaded later.
std::vector<LoadedDll> LoadedDllsIn(const std::vector<std::string>& lines) {
    size_t firstInstruction = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (EndsStartupOfAnImportedDll(lines[i])) {
            firstInstruction = i + 1;
        }
    }
    std::vector<LoadedDll> loaded;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string name = LowerFileName(QuotedAfter(lines[i], ":loaddll:build_module Loaded L\""));
        const auto same = [&name](const LoadedDll& dll) { return dll.name == name; };
        if (!name.empty() && std::find_if(loaded.begin(), loaded.end(), same) == loaded.end()) {
            loaded.push_back({name, i < firstInstruction});
        }
    }
    return loaded;
}

// Waits until the launcher has loaded nothing more for a while: what an action loads has been loaded.
void WaitUntilLoadingSettles(const LauncherProcess& launcher) {
    const ULONGLONG deadline = ::GetTickCount64() + 20000;
    size_t loaded = LoadedDllsIn(launcher.WineOutput()).size();
    ULONGLONG lastChange = ::GetTickCount64();
    while (::GetTickCount64() - lastChange < 1500 && ::GetTickCount64() < deadline) {
        ::Sleep(100);
        const size_t now = LoadedDllsIn(launcher.WineOutput()).size();
        if (now != loaded) {
            loaded = now;
            lastChange = ::GetTickCount64();
        }
    }
}

bool ClickAt(HWND window, int x, int y) {
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return XPointer::MoveTo(rect.left + x, rect.top + y) && XPointer::Click();
}

// What a player does: start the launcher (which sends its notice pane to the notice page), press a web
// button, then the start button, which starts the patcher and ends the launcher. FALSE when the launcher
// showed no window.
bool StartNavigateAndClick(const LauncherProcess& launcher) {
    const HWND window = launcher.WaitForWindow();
    if (window == nullptr) {
        return false;
    }
    WaitUntilLoadingSettles(launcher);
    EXPECT_TRUE(ClickAt(window, 76, 27)) << "the home page button";
    WaitUntilLoadingSettles(launcher);
    EXPECT_TRUE(ClickAt(window, 413, 589)) << "the start button";
    EXPECT_TRUE(launcher.WaitForExit(kLauncherExitMs)) << "the start button ends the launcher\n"
                                                       << launcher.Report();
    XPointer::MoveTo(40, 40);
    return true;
}

std::vector<std::wstring> MarkersIn(const std::wstring& folder) {
    std::vector<std::wstring> markers;
    WIN32_FIND_DATAW found = {};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*.loaded").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            markers.push_back(folder + L"\\" + found.cFileName);
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    return markers;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

std::string Joined(const std::vector<LoadedDll>& dlls) {
    std::vector<std::string> names;
    for (const LoadedDll& dll : dlls) {
        names.push_back(dll.name);
    }
    return Joined(names);
}

// Wine's module name for an override: the file name without ".dll".
std::wstring OverrideName(const std::string& dll) {
    const std::string name =
        dll.size() > 4 && dll.compare(dll.size() - 4, 4, ".dll") == 0 ? dll.substr(0, dll.size() - 4) : dll;
    return std::wstring(name.begin(), name.end());
}

bool IsProgram(const std::string& name) {
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0;
}

TEST(PlantedDlls, NoDllTheLauncherLoadsIsTakenFromTheGamesFolderOrTheCurrentDirectory) {
    const std::wstring game = FreshScratchDirectory(L"skyreach-planted-game");
    const std::wstring current = FreshScratchDirectory(L"skyreach-planted-current");
    const std::wstring launcherPath = LauncherCopyIn(game, L"SkyreachPlanted.exe");
    ASSERT_TRUE(::CopyFileW(TestPaths().patcher.c_str(), (current + L"\\patcher_qz.exe").c_str(), FALSE));

    std::vector<LoadedDll> loaded;
    {
        const LauncherProcess survey(launcherPath, LauncherOptions(current, L"+loaddll,+module"));
        ASSERT_TRUE(StartNavigateAndClick(survey)) << survey.Report();
        loaded = LoadedDllsIn(survey.WineOutput());
    }
    std::printf("the launcher loaded: %s\n", Joined(loaded).c_str());
    ASSERT_TRUE(std::any_of(loaded.begin(), loaded.end(), [](const LoadedDll& dll) {
        return dll.beforeFirstInstruction;
    })) << "the trace shows where the program's first instruction runs";

    // What the loader maps before the program's first instruction, only the load configuration can keep in
    // the system directory: Windows 10 1607 and later apply its DependentLoadFlags there, and Wine reads
    // none. Those names stay unplanted here, except the launcher's own imports, which must all be known DLLs;
    // the import table test shows the flag in the executable. Every other name is planted, the DLLs that the
    // platform loads on the launcher's behalf included: Wine looks for what its own DLLs delay-load in the
    // program's folder first, whatever the program asked for.
    std::set<std::string> ownImports;
    for (const std::string& imported : PeImage(launcherPath).ImportedDlls()) {
        ownImports.insert(LowerCase(imported));
    }
    std::vector<std::string> known;
    std::vector<std::string> beforeFirstInstruction;
    std::vector<std::string> planted;
    std::wstring overrides;
    for (const LoadedDll& dll : loaded) {
        if (IsProgram(dll.name)) {
            continue;
        }
        if (IsKnownDllEverywhere(dll.name) ||
            (dll.beforeFirstInstruction && ownImports.count(dll.name) == 0)) {
            (IsKnownDllEverywhere(dll.name) ? known : beforeFirstInstruction).push_back(dll.name);
            continue;
        }
        planted.push_back(dll.name);
        for (const std::wstring& folder : {game, current}) {
            const std::wstring path = folder + L"\\" + std::wstring(dll.name.begin(), dll.name.end());
            ASSERT_TRUE(::CopyFileW(TestPaths().markerDll.c_str(), path.c_str(), FALSE));
        }
        overrides += (overrides.empty() ? L"" : L",") + OverrideName(dll.name);
    }
    std::printf("known on every Windows: %s\n", Joined(known).c_str());
    std::printf("mapped by Wine's loader before the program's first instruction: %s\n",
                Joined(beforeFirstInstruction).c_str());
    std::printf("planted in both folders: %s\n", Joined(planted).c_str());
    ASSERT_FALSE(planted.empty());

    // Windows' search order for the planted names: a DLL of that name beside the program comes first.
    const LauncherProcess planting(launcherPath, LauncherOptions(current, L"+loaddll", overrides + L"=n,b"));
    EXPECT_TRUE(StartNavigateAndClick(planting)) << "the launcher shows its window\n" << planting.Report();
    std::printf("the launcher loaded, with the DLLs planted: %s\n",
                Joined(LoadedDllsIn(planting.WineOutput())).c_str());
    size_t markers = 0;
    for (const std::wstring& folder : {game, current}) {
        for (const std::wstring& marker : MarkersIn(folder)) {
            ++markers;
            ADD_FAILURE() << "loaded from the folder: " << std::string(marker.begin(), marker.end());
        }
    }
    std::printf("markers written: %zu\n", markers);
}

} // namespace
