// Real pointer input on the X display Wine draws on, through xdotool: the events reach the launcher the way
// a player's mouse does. Wine's CreateProcess starts Unix programs too, which is how a Windows test runs it.
#pragma once

namespace XPointer {

// Each returns once Wine has seen the pointer arrive or the button change, false when that did not happen
// within a few seconds.
bool MoveTo(int x, int y);
bool Press();
bool Release();
bool Click();

} // namespace XPointer
