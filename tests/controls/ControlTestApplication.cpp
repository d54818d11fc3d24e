// The control tests' application object: the framework registers window classes with it, and the browser
// pane needs OLE, which the application's control containment starts.
#include <gtest/gtest.h>

#include "Framework.h"

namespace {

CWinApp theApp;

class ControlContainment : public ::testing::Environment {
public:
    void SetUp() override { AfxEnableControlContainer(); }
};

const ::testing::Environment* const g_controlContainment =
    ::testing::AddGlobalTestEnvironment(new ControlContainment);

} // namespace
