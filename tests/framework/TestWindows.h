#pragma once

#include "Framework.h"

// A window of a plain class (not the framework's) whose procedure answers each application message with
// ProbeAnswer(message, wParam), so tests can see what reached the default procedure.
HWND CreateProbeWindow();
LRESULT ProbeAnswer(UINT message, WPARAM wParam);

// A hidden top-level popup of a class registered with AfxRegisterWndClass.
BOOL CreateFrameworkPopup(CWnd& wnd);

inline const CRect kSmallRect(0, 0, 120, 80);
