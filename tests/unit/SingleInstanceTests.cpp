#include "SingleInstance.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
