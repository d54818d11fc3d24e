// The browser emulation value chosen from the installed browser's version text.
#include "BrowserEmulation.h"

#include <gtest/gtest.h>

namespace {

TEST(EmulationValue, MapsTheMajorVersionOfTheFirstField) {
    struct Case {
        const wchar_t* version;
        std::uint32_t emulation;
    } const cases[] = {
        {L"11.0.9600.16428", 11000},
        {L"10.0.9200.16384", 10000},
        {L"9.0.8112.16421", 9000},
        {L"8.0.6001.18702", 8000},
        {L"7.0.5730.13", 7000},
        {L"6.0.2900.5512", 11000},
        {L"12.0", 11000},
        {L".10.1", 10000},
        {L"..9", 9000},
        {L" 8.1", 8000},
        {L"+7", 7000},
        {L"-9.0", 11000},
        {L"beta.9", 11000},
        {L"9", 9000},
        {L"99999999999999999999", 11000},
        // Only the low byte of each unit counts: U+0139 narrows to '9'.
        {L"\u0139.0", 9000},
        {L"", kEmulationValueNotFound},
        {L"...", kEmulationValueNotFound},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EmulationValueFromVersionText(c.version), c.emulation) << testing::PrintToString(c.version);
}

} // namespace
