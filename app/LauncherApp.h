// The application object: keeps to one launcher per session and runs the launcher window.
#pragma once

#include "Framework.h"

class CLauncherApp : public CWinApp {
public:
    CLauncherApp();
    ~CLauncherApp() override;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
