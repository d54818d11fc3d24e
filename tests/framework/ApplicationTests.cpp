#include <gtest/gtest.h>

#include <ole2.h>

#include "TestApplication.h"

namespace {

TEST(ApplicationTest, NameIsTheExecutableFileNameWithoutExtension) {
    EXPECT_STREQ(L"framework_tests", AfxGetAppName());
    EXPECT_EQ(&TestApp(), AfxGetApp());
}

TEST(ApplicationTest, CommandsReachTheApplicationMap) {
    const int before = TestApp().m_appCommandCount;
    EXPECT_TRUE(TestApp().OnCmdMsg(ID_TEST_APP_COMMAND, 0));
    EXPECT_EQ(before + 1, TestApp().m_appCommandCount);
    EXPECT_TRUE(TestApp().OnCmdMsg(ID_HELP, 0));
    EXPECT_FALSE(TestApp().OnCmdMsg(ID_TEST_APP_COMMAND + 1, 0));
    EXPECT_FALSE(TestApp().OnCmdMsg(ID_TEST_APP_COMMAND, EN_CHANGE));
}

TEST(ApplicationTest, RegistryKeyIsOnlyRemembered) {
    TestApp().SetRegistryKey(L"Skyreach");
    EXPECT_STREQ(L"Skyreach", TestApp().m_pszRegistryKey);
}

TEST(ApplicationTest, ControlContainmentInitialisesOle) {
    EXPECT_TRUE(AfxEnableControlContainer());
    // OLE is already initialised on this thread, so a second initialisation only counts up.
    EXPECT_EQ(S_FALSE, ::OleInitialize(nullptr));
    ::OleUninitialize();
}

} // namespace
