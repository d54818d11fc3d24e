// The launcher window's title: what the player's taskbar shows, and how the benches and the tests find
// the window from outside.
#pragma once

constexpr wchar_t kLauncherTitle[] = L"Skyreach Launcher";
