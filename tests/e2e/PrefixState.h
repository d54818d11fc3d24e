// What the tests' Wine prefix holds right now, said in words for a failure message: the processes that run
// in it, and which of them hold the launcher's single-instance marker.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PrefixProcess {
    DWORD id;
    DWORD parentId;
    std::wstring image; // the file name, as the process list gives it
};

std::vector<PrefixProcess> ProcessesOfPrefix();

// The processes holding a handle to the marker; empty when nobody holds it.
std::vector<PrefixProcess> MarkerHolders();

// "the marker is free", or "the marker is held by 03c4 SkyreachLauncher.exe, ...".
std::string DescribeMarker();

// One line per process of the prefix.
std::string DescribeProcesses();
