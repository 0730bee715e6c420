// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/geomantic_ruler.h"

#include <algorithm>
#include <array>

namespace {

struct RulerSegment {
    int last;  // last millimetre of the segment; it begins after the previous one
    const char* verdict;
};

constexpr std::array<RulerSegment, 32> kSegments{{
    {13, "Финансовый успех"},
    {27, "Покой, наполненный ценностями"},
    {40, "Все виды удачи"},
    {54, "Богатство"},
    {68, "Денежные потери"},
    {81, "Юридические проблемы"},
    {95, "Неудачи, тюрьма"},
    {108, "Смерть супруга или супруги"},
    {122, "Неудачи"},
    {135, "Денежные потери"},
    {149, "Встреча с недобросовестным человеком"},
    {162, "Кража или оргабление"},
    {175, "Радость с детьми"},
    {189, "Неожиданный добавочный доход"},
    {202, "Большие успехи у сына"},
    {215, "Хорошее будущее"},
    {229, "Успешная сдача экзаменов"},
    {243, "Неожиданная или рискованная удача"},
    {256, "Повышенный доход"},
    {270, "Высокая репутация семьи"},
    {284, "Смерть или отъезд"},
    {297, "Потеря необходимого"},
    {311, "Изгнание"},
    {324, "Значительные финансовые потери"},
    {338, "Несчастья"},
    {351, "Смерть"},
    {365, "Болезни"},
    {378, "Конфликты"},
    {392, "Прилив денег"},
    {405, "Успех на экзаменах"},
    {419, "Достаток в драгоценностях"},
    {432, "Преуспевание"},
}};

}  // namespace

int IntToCoord(int length) {
    // The same as subtracting 432 while above 432.
    return length > kRulerLength ? (length - 1) % kRulerLength + 1 : length;
}

std::string Interpritation(int position) {
    if (position < 1 || position > kRulerLength) return {};
    for (const RulerSegment& s : kSegments)
        if (position <= s.last) return s.verdict;
    return {};
}

RulerInput RulerLengthOfText(const QString& text) {
    // A sign alone is a number being typed: nothing to measure yet, and nothing to reset, so that
    // "-5" typed key by key comes to the negative number (reset) and "+20" to 20.
    if (text == QLatin1String("-") || text == QLatin1String("+")) return {0, false};
    bool ok = false;
    // Digits with an optional sign only: no blanks, no group separators.
    const bool plain =
        !text.isEmpty() && std::all_of(text.begin() + ((text[0] == '+' || text[0] == '-') ? 1 : 0),
                                       text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
    const int value = plain ? text.toInt(&ok) : 0;
    if (!ok || value < 0) return {0, true};
    return {value, false};
}

int StepRulerLength(int length, int delta) {
    return std::clamp(length + delta, 0, kRulerMaxInput);
}
