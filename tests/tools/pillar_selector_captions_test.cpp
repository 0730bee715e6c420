// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pillar_selector_captions.h"

#include <gtest/gtest.h>

namespace {

TEST(PillarSelectorCaptions, TheCalendarCaptionsWithoutTheTrailingComma) {
    EXPECT_EQ(StemSelectorCaption(1), "Цзя (Дерево-ян)");
    EXPECT_EQ(StemSelectorCaption(10), "Гуй (вода-инь)");
    EXPECT_EQ(BranchSelectorCaption(1), "Цзы (вода-ян)");
    EXPECT_EQ(BranchSelectorCaption(12), "Хай (вода-инь)");
    EXPECT_EQ(StemSelectorCaption(0), "");
    EXPECT_EQ(BranchSelectorCaption(13), "");
    // Apart from the lower-case water, each is the calendar caption of the same index.
    auto lowerWater = [](std::string s) {
        const std::string upper = "Вода", lower = "вода";
        const auto at = s.find(upper);
        if (at != std::string::npos) s.replace(at, upper.size(), lower);
        return s;
    };
    for (Stem s = 1; s <= 10; ++s) {
        std::string calendar = StemCaption(s);
        calendar.resize(calendar.size() - 2);  // ", "
        EXPECT_EQ(StemSelectorCaption(s), lowerWater(calendar)) << s;
    }
    for (Branch b = 1; b <= 12; ++b)
        EXPECT_EQ(BranchSelectorCaption(b), lowerWater(BranchCaption(b))) << b;
}

}  // namespace
