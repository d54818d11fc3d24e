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

} // namespace
