// What the end-to-end tests are given on their command line.
#pragma once

#include <string>

struct E2EPaths {
    std::wstring launcher;
    std::wstring patcher;    // the stand-in patcher
    std::wstring skin;       // the committed skin PNG
    std::wstring resources;  // the directory of the committed button bitmaps
    std::string browserUnix; // the stand-in browser script, as the host sees it
    std::wstring openedUrls; // where that script records each address it is given
    std::wstring forger;     // the program that forges notifications to the launcher
    std::wstring markerDll;  // the DLL planted under other names, which records that it was loaded
    std::wstring wineOutput; // the file that Wine's output of this run, the launchers' among it, goes to
};

const E2EPaths& TestPaths();
