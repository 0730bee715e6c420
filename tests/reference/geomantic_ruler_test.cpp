#include "reference/geomantic_ruler.h"

#include <gtest/gtest.h>

namespace {

struct Segment {
    int first, last;
    const char* verdict;
};

// The 32 segments of the ruler, as the ruler is printed.
const Segment kRuler[] = {
    {1, 13, "Финансовый успех"},
    {14, 27, "Покой, наполненный ценностями"},
    {28, 40, "Все виды удачи"},
    {41, 54, "Богатство"},
    {55, 68, "Денежные потери"},
    {69, 81, "Юридические проблемы"},
    {82, 95, "Неудачи, тюрьма"},
    {96, 108, "Смерть супруга или супруги"},
    {109, 122, "Неудачи"},
    {123, 135, "Денежные потери"},
    {136, 149, "Встреча с недобросовестным человеком"},
    {150, 162, "Кража или оргабление"},
    {163, 175, "Радость с детьми"},
    {176, 189, "Неожиданный добавочный доход"},
    {190, 202, "Большие успехи у сына"},
    {203, 215, "Хорошее будущее"},
    {216, 229, "Успешная сдача экзаменов"},
    {230, 243, "Неожиданная или рискованная удача"},
    {244, 256, "Повышенный доход"},
    {257, 270, "Высокая репутация семьи"},
    {271, 284, "Смерть или отъезд"},
    {285, 297, "Потеря необходимого"},
    {298, 311, "Изгнание"},
    {312, 324, "Значительные финансовые потери"},
    {325, 338, "Несчастья"},
    {339, 351, "Смерть"},
    {352, 365, "Болезни"},
    {366, 378, "Конфликты"},
    {379, 392, "Прилив денег"},
    {393, 405, "Успех на экзаменах"},
    {406, 419, "Достаток в драгоценностях"},
    {420, 432, "Преуспевание"},
};

class RulerSegment : public ::testing::TestWithParam<Segment> {};

TEST_P(RulerSegment, EveryMillimetreOfTheSegmentHasItsVerdict) {
    const Segment& s = GetParam();
    for (int n = s.first; n <= s.last; ++n) EXPECT_EQ(Interpritation(n), s.verdict) << n;
}

INSTANTIATE_TEST_SUITE_P(Ruler, RulerSegment, ::testing::ValuesIn(kRuler));

TEST(Ruler, OffTheRulerThereIsNoVerdict) {
    EXPECT_EQ(Interpritation(0), "");
    EXPECT_EQ(Interpritation(433), "");
    EXPECT_EQ(Interpritation(-1), "");
}

TEST(Ruler, LengthsFoldOntoTheRuler) {
    struct Case {
        int length, position;
    };
    const Case cases[] = {{0, 0},     {1, 1},     {13, 13},  {431, 431}, {432, 432}, {433, 1},
                          {864, 432}, {865, 1},   {9999, 63}, {4320, 432}};
    for (const Case& c : cases) EXPECT_EQ(IntToCoord(c.length), c.position) << c.length;
    EXPECT_EQ(Interpritation(IntToCoord(9999)), "Денежные потери");
}

TEST(Ruler, TypedTextBecomesALengthOrResetsTheField) {
    struct Case {
        const char* text;
        int length;
        bool reset;
    };
    const Case cases[] = {
        {"0", 0, false},   {"13", 13, false}, {"9999", 9999, false}, {"0433", 433, false},
        {"+7", 7, false},  {"-5", 0, true},   {"-0", 0, false},      {"", 0, true},
        {"abc", 0, true},  {"1a", 0, true},   {" 5", 0, true},       {"-", 0, true},
        {"1 2", 0, true},  {"1,5", 0, true},
    };
    for (const Case& c : cases) {
        const RulerInput in = RulerLengthOfText(QString::fromUtf8(c.text));
        EXPECT_EQ(in.length, c.length) << '"' << c.text << '"';
        EXPECT_EQ(in.resetField, c.reset) << '"' << c.text << '"';
    }
}

TEST(Ruler, TheUpDownStaysWithinItsRangeWithoutWrapping) {
    EXPECT_EQ(StepRulerLength(0, -1), 0);
    EXPECT_EQ(StepRulerLength(0, 1), 1);
    EXPECT_EQ(StepRulerLength(9999, 1), 9999);
    EXPECT_EQ(StepRulerLength(9999, -1), 9998);
}

}  // namespace
