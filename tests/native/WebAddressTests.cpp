// Which addresses the notice pane may go to.
#include "WebAddress.h"
#include "WebAddressCases.h"

#include <gtest/gtest.h>

namespace {

TEST(WebAddress, OnlyHttpHttpsAndTheBlankPageAreTheWeb) {
    for (const WebAddressCase& c : kWebAddressCases) {
        EXPECT_EQ(IsWebAddress(c.address), c.web) << testing::PrintToString(c.address);
    }
    EXPECT_FALSE(IsWebAddress(nullptr));
}

} // namespace
