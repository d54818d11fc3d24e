#include "SingleInstance.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kTestMarker[] = L"Skyreach.SingleInstanceTests.Marker";

// Runs before the claim below: any process holding the marker, launcher or not, keeps us out.
TEST(SingleInstance, AMarkerHeldElsewhereKeepsThisProcessOut) {
    const HANDLE held = CreateEventW(nullptr, FALSE, FALSE, kSingleInstanceMarkerName);
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(ClaimSingleInstanceMarker());
    CloseHandle(held);
}

TEST(SingleInstance, ClaimingCreatesTheMarkerForOthersToSee) {
    ASSERT_EQ(OpenEventW(EVENT_ALL_ACCESS, FALSE, kSingleInstanceMarkerName), nullptr);
    EXPECT_TRUE(ClaimSingleInstanceMarker());
    const HANDLE seen = OpenEventW(EVENT_ALL_ACCESS, FALSE, kSingleInstanceMarkerName);
    EXPECT_NE(seen, nullptr);
    CloseHandle(seen);
    EXPECT_FALSE(ClaimSingleInstanceMarker()) << "a second claim in the same session must fail";
}

// The other launcher of a race: it creates the marker right after this one found none.
HANDLE g_otherLauncher = nullptr;
HANDLE OpenThenLetTheOtherLauncherIn(const wchar_t* name) {
    const HANDLE found = g_SystemMarkerCalls.open(name);
    g_otherLauncher = CreateEventW(nullptr, FALSE, FALSE, name);
    return found;
}

TEST(SingleInstance, ALauncherThatCreatedTheMarkerBetweenTheTwoStepsWins) {
    const MARKER_CALLS race = {&OpenThenLetTheOtherLauncherIn, g_SystemMarkerCalls.create};
    EXPECT_FALSE(ClaimSingleInstanceMarker(kTestMarker, race));
    ASSERT_NE(g_otherLauncher, nullptr);
    CloseHandle(g_otherLauncher);
}

// As a launcher of another user, or an elevated one, holds it: a marker whose access list grants nothing.
TEST(SingleInstance, AMarkerHeldWhereThisProcessMayNotOpenItKeepsThisProcessOut) {
    SECURITY_DESCRIPTOR closed = {};
    ACL grantsNothing = {};
    ASSERT_TRUE(::InitializeSecurityDescriptor(&closed, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(::InitializeAcl(&grantsNothing, sizeof grantsNothing, ACL_REVISION));
    ASSERT_TRUE(::SetSecurityDescriptorDacl(&closed, TRUE, &grantsNothing, FALSE));
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, &closed, FALSE};
    const HANDLE held = ::CreateEventW(&attributes, FALSE, FALSE, kTestMarker);
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(ClaimSingleInstanceMarker(kTestMarker));
    ::CloseHandle(held);
}

// Each step of the claim failing as the system can make it fail, each with the reason it leaves.
struct FailedStep {
    bool called = false;
    DWORD error = 0;
};
FailedStep g_open, g_create;

HANDLE FailToOpen(const wchar_t*) {
    g_open.called = true;
    ::SetLastError(g_open.error);
    return nullptr;
}

HANDLE FailToCreate(const wchar_t*, BOOL* existed) {
    g_create.called = true;
    *existed = FALSE;
    ::SetLastError(g_create.error);
    return nullptr;
}

// A marker this process may not open, because another user or an elevated launcher in this session made
// it, keeps this launcher out as one it could open does. A name taken by an object of another kind, or any
// other failure, leaves the launcher running without a marker.
TEST(SingleInstance, AMarkerThatMayNotBeOpenedKeepsThisProcessOutAndOtherFailuresDoNot) {
    const MARKER_CALLS failing = {&FailToOpen, &FailToCreate};
    const struct {
        const char* name;
        DWORD openError;
        DWORD createError;
        bool created; // whether creation was tried
        BOOL runs;
    } cases[] = {
        {"opening is denied", ERROR_ACCESS_DENIED, 0, false, FALSE},
        {"no marker, and creating it is denied", ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, true, FALSE},
        {"the name belongs to an object of another kind", ERROR_INVALID_HANDLE, ERROR_INVALID_HANDLE, true,
         TRUE},
        {"no marker, and no memory to make one", ERROR_FILE_NOT_FOUND, ERROR_NOT_ENOUGH_MEMORY, true, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_open = {false, c.openError};
        g_create = {false, c.createError};
        EXPECT_EQ(ClaimSingleInstanceMarker(kTestMarker, failing), c.runs);
        EXPECT_TRUE(g_open.called);
        EXPECT_EQ(g_create.called, c.created);
    }
}

} // namespace
