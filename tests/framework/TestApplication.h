#pragma once

#include "Framework.h"

// A command only the application object answers.
constexpr UINT ID_TEST_APP_COMMAND = 0x7F00;

// The test program's application object, so that the framework has its one global as in the launcher.
class CTestApp : public CWinApp {
public:
    int m_appCommandCount = 0;

protected:
    afx_msg void OnAppCommand() { ++m_appCommandCount; }

    DECLARE_MESSAGE_MAP()
};

CTestApp& TestApp();
