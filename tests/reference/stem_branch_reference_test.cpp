// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/stem_branch_reference.h"

#include <gtest/gtest.h>

namespace {

// The element a table caption names in its brackets ("Земля" is the table's other word for Earth).
Element ElementNamedIn(const std::string& caption) {
    const std::pair<const char*, Element> words[] = {
        {"Дерево", Element::Wood}, {"Огонь", Element::Fire},   {"Почва", Element::Earth},
        {"Земля", Element::Earth}, {"Металл", Element::Metal}, {"Вода", Element::Water},
    };
    for (const auto& [word, element] : words)
        if (caption.find(word) != std::string::npos) return element;
    ADD_FAILURE() << "no element in " << caption;
    return Element::Water;
}

TEST(StemBranchReference, StemCaptionsNameTheStemAndItsElementAndPolarity) {
    EXPECT_EQ(StemTableCaption(1), "Цзя (Дерево-ян)");
    EXPECT_EQ(StemTableCaption(8), "Синь (Металл-инь)");
    EXPECT_EQ(StemTableCaption(10), "Гуй (Вода-инь)");
    for (Stem s = 1; s <= 10; ++s) {
        const std::string caption = StemTableCaption(s);
        // The same words as the calendar's stem captions, without their trailing comma.
        const std::string& calendar = StemCaption(s);
        EXPECT_EQ(caption + ", ", calendar);
        EXPECT_EQ(ElementNamedIn(caption), StemElement(s)) << caption;
    }
    EXPECT_EQ(StemTableCaption(0), "");
    EXPECT_EQ(StemTableCaption(11), "");
}

TEST(StemBranchReference, BranchCaptionsCarryTheAnimalAndTheHours) {
    EXPECT_EQ(BranchTableCaption(1), "Цзы (крыса, 23-1, Вода-ян)");
    EXPECT_EQ(BranchTableCaption(8), "Вэй (овца, 13-15, Земля-инь)");
    EXPECT_EQ(BranchTableCaption(11), "Сюй (собака, 19-21, Земля-ян)");
    EXPECT_EQ(BranchTableCaption(12), "Хай (свинья, 21-23, Вода-инь)");
    for (Branch b = 1; b <= 12; ++b) {
        const std::string caption = BranchTableCaption(b);
        EXPECT_EQ(caption.rfind(BranchName(b) + " (", 0), 0u) << caption;
        EXPECT_EQ(ElementNamedIn(caption), BranchElement(b)) << caption;
        // The double hour: it begins two hours after the previous branch's, at 23 for Цзы.
        const std::string hours =
            std::to_string((21 + 2 * b) % 24) + "-" + std::to_string(2 * b - 1);
        EXPECT_NE(caption.find(", " + hours + ", "), std::string::npos) << caption;
    }
    EXPECT_EQ(BranchTableCaption(13), "");
}

TEST(StemBranchReference, CaptionsAreColouredByElement) {
    EXPECT_EQ(ElementTextColour(Element::Wood), (Rgb{0, 128, 128}));
    EXPECT_EQ(ElementTextColour(Element::Fire), (Rgb{128, 0, 0}));
    EXPECT_EQ(ElementTextColour(Element::Earth), (Rgb{128, 128, 0}));
    EXPECT_EQ(ElementTextColour(Element::Metal), (Rgb{128, 128, 128}));
    EXPECT_EQ(ElementTextColour(Element::Water), (Rgb{0, 0, 0}));
}

TEST(StemBranchReference, OrgansOfTheStems) {
    EXPECT_EQ(OrganOfStem(1), (std::vector<std::string>{"Желчный пузырь"}));
    EXPECT_EQ(OrganOfStem(3),
              (std::vector<std::string>{"Тонкий кишечник", "Тройной обогреватель"}));
    EXPECT_EQ(OrganOfStem(10), (std::vector<std::string>{"Почки"}));
    for (Stem s = 1; s <= 10; ++s) EXPECT_FALSE(OrganOfStem(s).empty()) << s;
    EXPECT_TRUE(OrganOfStem(0).empty());
}

TEST(StemBranchReference, MeridiansAndChannelsOfTheBranches) {
    struct Case {
        Branch branch;
        const char* name;
        const char* channel;
    };
    const Case cases[] = {
        {1, "Меридиан желчного пузыря", "Малый ян на ноге"},
        {3, "Меридиан легких", "Сверхинь на руке"},
        {8, "Меридиан тонкого кишечника", "Сверх ян на руке"},
        {9, "Меридиан мочевого пузыря", "Сверхян на ноге"},
        {12, "Меридиан тройного обогревателя", "Малый ян на руке"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MeridianOfBranch(c.branch).name, c.name);
        EXPECT_EQ(MeridianOfBranch(c.branch).channel, c.channel);
    }
    for (Branch b = 1; b <= 12; ++b) {
        EXPECT_EQ(MeridianOfBranch(b).name.rfind("Меридиан ", 0), 0u) << b;
        EXPECT_FALSE(MeridianOfBranch(b).channel.empty()) << b;
    }
    EXPECT_TRUE(MeridianOfBranch(0).name.empty());
}

}  // namespace
