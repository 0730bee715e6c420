// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/table_report.h"

#include <array>
#include <cstdlib>

#include "calendar/moment_format.h"
#include "calendar/vocabulary.h"
#include "geomancy/azimuth_input.h"
#include "geomancy/flying_chart.h"
#include "geomancy/palaces.h"
#include "geomancy/star_combinations.h"
#include "geomancy/star_phase.h"
#include "geomancy/time_stars.h"
#include "interpretation/affliction_texts.h"
#include "interpretation/key_stars.h"
#include "interpretation/special_combinations.h"
#include "interpretation/star_relation.h"

namespace {

std::string Num(int n) {
    return std::to_string(n);
}

// Colour adjective of a star; "" for a star the table does not provide.
std::string Colour(int star) {
    return StarColour(star).value_or("");
}

std::string NameOf(std::optional<PalaceIndex> palace) {
    return palace ? PalaceName(*palace) : std::string();
}

const PalaceCells* CellsOf(const GeomanticTable& table, std::optional<PalaceIndex> palace) {
    if (!palace || *palace < 0 || *palace >= kPalaceCount) return nullptr;
    return &table.palaces[*palace];
}

// Strength of the mountain (SM) and of the facing (FN) against the construction period.
void AppendStrength(ReportDocument& r, bool strongMountain, bool strongFacing) {
    const char* title;
    const char* mountain;
    if (strongMountain && strongFacing) {
        title = "Сильная Гора, сильное Направление";
        mountain = "Сильная Гора, предвещает расцвет мужской части рода.";
    } else if (strongMountain) {
        // The title begins with a Latin capital C and names the mountain twice, as it always has.
        title = "Cильная Гора Гора, слабое Направление";
        mountain = "Сильная Гора, предвещает расцвет рода.";
    } else if (strongFacing) {
        title = "Слабая Гора, сильное Направление";
        mountain = "Слабая Гора, предвещает разрушения для рода.";
    } else {
        title = "Слабая Гора, слабое Направление";
        mountain = "Слабая Гора, предвещает разрушения для рода.";
    }
    r.StyleTitl2();
    r.Append(title);
    r.StyleText();
    r.Append(mountain);
    r.Append(strongFacing ? "Сильное Направление предвещает рост благосостояния семьи."
                          : "Слабое Направление предвещает потери денег и разрушение "
                            "благосостояния семьи.");
}

void AppendRelation(ReportDocument& r, const char* title, int x, int y) {
    r.AppendEmpty();
    r.StyleTitl2();
    r.Append(title);
    r.StyleText();
    if (const auto relation = StarRelation(x, y)) r.Append(*relation);
}

void AppendPalaceCombinations(ReportDocument& r, const GeomanticTable& table) {
    struct Line {
        const char* prefix;
        PalaceIndex palace;
    };
    static const std::array<Line, kPalaceCount> kLines = {{
        {"Дом знака Чжэнь -- ", Palace::Zhen},
        {"Дом знака Сюнь -- ", Palace::Xun},
        {"Дом знака Ли -- ", Palace::Li},
        {"Дом знака Кунь -- ", Palace::Kun},
        {"Дом знака Дуй -- ", Palace::Dui},
        {"Дом знака Цянь -- ", Palace::Qian},
        {"Дом знака Кань -- ", Palace::Kan},
        {"Дом знака Гэнь -- ", Palace::Gen},
        {"Центрльный Дом -- ", Palace::Centre},
    }};
    r.StyleTitl2();
    r.Append("Специальные комбинации для летящих звезд Направления и Горы");
    r.StyleText();
    for (const Line& line : kLines) r.Append(line.prefix + SpecCombes(table, line.palace));
}

void AppendGate(ReportDocument& r, const char* title, PalaceIndex gate, int star, int C) {
    r.StyleTitl2();
    r.Append(title + PalaceName(gate));
    r.StyleText();
    r.Append("Во вратах звезда " + Num(star) + " " + Colour(star) + " в фазе " +
             GatePhaseText(C, star));
    r.AppendBlank();
}

// The Five Yellow of the year or of the season: where it lands, whether on the facing or the
// mountain, and what it meets there.
struct FiveYellowTexts {
    const char* inCentre;
    const char* landsBefore;
    const char* landsAfter;
    const char* onFacing;
    const char* onMountain;
};

const FiveYellowTexts kFiveYellowOfYear = {
    "Пятерка желтая по году приходит в Центр. Не оказывает негативного влияния в этом году.",
    "Пятерка желтая по году приходит на знак ",
    ". Это Большое разрушение Пятерки желтой. Крайне несчастливое направление в этом году.",
    "Пятерка желтая по году попадает на Направление. Не благоприятно в этом году строить, "
    "переезжать или делать ремонт в жилище с таким раскладом.",
    "Пятерка желтая по году попадает на Гору. Не благоприятно в этом году строить, переезжать "
    "или делать ремонт в жилище с таким раскладом.",
};

// The seasonal sentence spells "Птерки", as the program has always written it.
const FiveYellowTexts kFiveYellowOfSeason = {
    "Пятерка желтая по сезону приходит в Центр. Не оказывает негативного влияния в этом сезоне.",
    "Пятерка желтая по сезону приходит на знак ",
    ". Это Большое разрушение Птерки желтой. Крайне несчастливое направление в этом сезоне.",
    "Пятерка желтая по сезону попадает на Направление. Не благоприятно в этом сезоне строить, "
    "переезжать или делать ремонт в жилище с таким раскладом.",
    "Пятерка желтая по сезону попадает на Гору. Не благоприятно в этом сезоне строить, "
    "переезжать или делать ремонт в жилище с таким раскладом.",
};

void AppendFiveYellow(ReportDocument& r, const GeomanticTable& table, int centreStar,
                      const FiveYellowTexts& t) {
    if (centreStar == 5) {
        r.Append(t.inCentre);
        return;
    }
    const std::optional<PalaceIndex> q = StarPalace(centreStar, 5);
    r.Append(t.landsBefore + NameOf(q) + t.landsAfter);
    if (q == FacingPalace(table.azimuth)) r.Append(t.onFacing);
    if (q == FacingPalace(table.azimuth + 180)) r.Append(t.onMountain);
    // A star the table does not provide lands nowhere and meets nothing.
    const PalaceCells* cells = CellsOf(table, q);
    r.Append(cells ? WuShaCombes(table, *q) : WuShaCombination(-1, PalaceStars{}));
}

void AppendTwoBlack(ReportDocument& r, int centreStar, const char* ofWhat, const char* inWhat) {
    if (centreStar == 2) {
        r.Append(std::string("Двойка черная ") + ofWhat +
                 " приходит в Центр. Не оказывает негативного влияния в " + inWhat + ".");
    } else {
        r.Append(std::string("Двойка черная ") + ofWhat + " приходит на знак " +
                 NameOf(StarPalace(centreStar, 2)) + ". Предвещает болезни.");
    }
}

// The headline: the title, whether the chart is the main or a replacement chart (in red), and
// the construction period with the mountain and the facing.
void AppendHeadline(ReportDocument& r, const GeomanticTable& table, int P, bool mainChart) {
    r.StyleTitl();
    r.Append("ИНТЕРПРЕТАЦИЯ ЗНАКА");
    if (mainChart) {
        r.Append("Основной знак.");
    } else {
        r.StyleRed();
        r.Append("Замещающий знак.");
        r.StyleTitl();
    }
    r.AppendEmpty();
    r.Append(Num(P) + "-й цикл, Гора " + table.sittingMountain + ", Направление " +
             table.facingMountain);
}

// The initial character of the chart: the comment on a replacement chart, then the strength of
// the mountain and of the facing against the construction period.
void AppendInitialCharacter(ReportDocument& r, const GeomanticTable& table, const KeyStars& k,
                            int P, bool mainChart) {
    r.StyleTitl();
    r.AppendBlank();
    r.Append("Изначальные характеристики знака");
    r.AppendBlank();
    if (!mainChart) {
        r.StyleTitl2();
        r.Append("Комментарий к Замещающему знаку.");
        r.StyleText();
        r.Append(table.chartComment);
        r.AppendBlank();
    }
    AppendStrength(r, k.SM == P, k.FN == P);
}

// The special combinations of the chart's key stars.
void AppendSpecialCombinations(ReportDocument& r, const GeomanticTable& table, const KeyStars& k) {
    r.AppendBlank();
    r.StyleTitl2();
    r.Append("Особые комбинации");
    r.StyleText();
    r.Append(ChecSpecial_10(table, k.FN, k.FM, k.SN, k.SM, k.FB, k.SB));
    r.Append(ChecSpecial_3_1(k.FN, k.FM, k.SN, k.SM));
    r.Append(ChecSpecial_3_2(table, k.FN, k.FM));
}

// The facing and the mountain palace: how their two stars get on.
void AppendFacingAndMountainPalaces(ReportDocument& r, const KeyStars& k) {
    AppendRelation(r, "Дом Направления", k.FN, k.FM);
    AppendRelation(r, "Дом Горы", k.SM, k.SN);
    r.AppendBlank();
}

// A 5 of the period on the facing in period 5 has no earth cycle.
bool HasNoEarthCycle(const KeyStars& k, int P) {
    return k.FN == P && P == 5;
}

// The period's star as both the facing and the mountain star of the facing palace: the earth
// cycle is read also by the mountain star of the mountain palace.
bool HasDoubleFacing(const KeyStars& k, int P) {
    return k.FN == P && k.FM == P;
}

// The earth cycle: how many years until the earth energy of the dwelling switches off, and in
// which period.
void AppendEarthCycle(ReportDocument& r, const KeyStars& k, int P) {
    if (!HasNoEarthCycle(k, P)) {
        r.StyleTitl2();
        r.Append("Земной цикл: " + Num(EarthCycleYears(P, k.FB)) + " лет");
        r.StyleText();
        r.Append("Когда наступит " + Num(k.FB) +
                 "-й цикл, Земная энергия дома войдет в фазу отключения.");
        r.AppendBlank();
    }
    if (HasDoubleFacing(k, P)) {
        r.StyleTitl2();
        r.Append("Земной цикл по горной звезде в Доме Горы");
        r.StyleText();
        r.Append("Когда наступит " + Num(k.SN) +
                 "-й цикл, Земная энергия дома войдет в фазу отключения.");
        r.AppendBlank();
    }
}

// The chart in the current period: a switched-off earth energy, the phase of the facing star in
// the facing palace and of the mountain star in the mountain palace, and the star at each gate.
void AppendCurrentPeriod(ReportDocument& r, const GeomanticTable& table, const KeyStars& k, int P) {
    const double A = table.azimuth;
    const int C = table.currentPeriod;
    r.AppendBlank();
    r.StyleTitl();
    r.AppendBlank();
    r.Append("Характеристики знака на " + Num(C) + "-й цикл");
    r.AppendBlank();
    r.StyleTitl2();
    r.StyleText();
    if (!HasNoEarthCycle(k, P) && C == k.FB) {
        r.Append(
            "В этом цикле энергия дома вошла в фазу отключения. Необходим капитальный ремон "
            "или перестройка дома. Дом выйдет из фазы упадка в следующем цикле.");
        r.AppendBlank();
    }
    if (HasDoubleFacing(k, P) && C == k.SN) {
        r.Append(
            "В этом цикле энергия дома вошла в фазу отключения по горной звезде в Доме Горы. "
            "Необходим капитальный ремон или перестройка дома. Дом выйдет из фазы упадка в "
            "следующем цикле.");
        r.AppendBlank();
    }
    r.StyleTitl2();
    r.Append("Звезда Направления в Доме Направления");
    r.StyleText();
    r.Append("Летящая звезда Направления " + Num(k.FN) + " " + Colour(k.FN) + " в фазе " +
             FacingPhaseText(C, k.FN));
    r.AppendBlank();
    r.StyleTitl2();
    r.Append("Горная звезда в Доме Горы");
    r.StyleText();
    r.Append("Летящая горная звезда " + Num(k.SM) + " " + Colour(k.SM) + " в фазе " +
             MountainPhaseText(C, k.SM));
    r.AppendBlank();
    const PalaceIndex gateA = GatePalaceA(A), gateB = GatePalaceB(A);
    AppendGate(r, "Основные городские врата в знаке ", gateA, StarInMainGate(table, gateA), C);
    AppendGate(r, "Дополнительные городские врата в знаке ", gateB, StarInSecondGate(table, gateB),
               C);
}

// The calculation moment: its date, the position of Tai Sui and where the flying Tai Sui of the
// year lands.
void AppendTaiSui(ReportDocument& r, const GeomanticTable& table, const KeyStars& k,
                  const QLocale& locale) {
    const double A = table.azimuth;
    const int C = table.currentPeriod;
    r.StyleTitl();
    r.AppendBlank();
    r.Append("Характеристики знака на " +
             FormatLongDate(table.calculationMoment, locale).toStdString());
    r.AppendBlank();
    r.StyleTitl2();
    r.Append("Позиция Тай Суя");
    r.AppendBlank();
    r.StyleText();
    r.Append(TaiSuiString(k.FN, C, table.yearBranch, A));
    r.AppendBlank();
    r.Append("Летящий Тай Суй по году приходит в " +
             NameOf(FlyingTaiSuiPalace(table.yearStar, table.yearBranch)) +
             ". Усиливает влияние Дома.");
    r.AppendBlank();
}

// The great destruction of the Five Yellow, of the year and of the season.
void AppendFiveYellows(ReportDocument& r, const GeomanticTable& table) {
    r.StyleTitl2();
    r.Append("Большое разрушение Пятерки желтой");
    r.StyleText();
    r.AppendBlank();
    AppendFiveYellow(r, table, table.yearStar, kFiveYellowOfYear);
    r.AppendBlank();
    AppendFiveYellow(r, table, table.monthStar, kFiveYellowOfSeason);
}

// The other destructive forces: the sha of the year and of the month, the dark establishment
// (the flying Tai Sui of the season) and the Two Black of the year and of the season.
void AppendOtherShaForces(ReportDocument& r, const GeomanticTable& table) {
    const double A = table.azimuth;
    r.AppendBlank();
    r.StyleTitl2();
    r.Append("Прочие силы разрушающего дыхания ша");
    r.StyleText();
    r.AppendBlank();
    r.Append(ShaYString(table.yearBranch, A));
    r.AppendBlank();
    r.Append(ShaMString(table.monthBranch, A));
    r.AppendBlank();
    // The dark establishment flies the month star with the branch of the year.
    r.Append("Летящий Тай Суй по сезону приходит в " +
             NameOf(FlyingTaiSuiPalace(table.monthStar, table.yearBranch)) +
             ". Это темное установление. В этом направлении не благоприятно совершать ремонт, "
             "перестановку, любые движения в этом месяце.");
    r.AppendBlank();
    AppendTwoBlack(r, table.yearStar, "по году", "этом году");
    r.AppendBlank();
    AppendTwoBlack(r, table.monthStar, "по сезону", "этом сезоне");
}

}  // namespace

int EarthCycleYears(int P, int FB) {
    return P > FB ? 20 * std::abs(P - (FB + 9)) : 20 * std::abs(P - FB);
}

void AppendTableReportBody(ReportDocument& r, const GeomanticTable& table, int P,
                           const QLocale& locale) {
    const bool mainChart = InNormalZone(table.azimuth);
    AppendHeadline(r, table, P, mainChart);
    // The key stars of the facing and the mountain palace, read by every part that follows.
    const KeyStars k = KeyStarsOf(table);
    AppendInitialCharacter(r, table, k, P, mainChart);
    AppendSpecialCombinations(r, table, k);
    AppendFacingAndMountainPalaces(r, k);
    AppendEarthCycle(r, k, P);
    AppendPalaceCombinations(r, table);
    AppendCurrentPeriod(r, table, k, P);
    AppendTaiSui(r, table, k, locale);
    AppendFiveYellows(r, table);
    AppendOtherShaForces(r, table);
    // The body ends with two empty paragraphs.
    r.AppendEmpty();
    r.AppendEmpty();
}

ReportDocument CalcRich(const GeomanticTable& table, int P, const QLocale& locale) {
    ReportDocument report;
    AppendTableReportBody(report, table, P, locale);
    report.InsertEmptyAtTop();
    return report;
}

ReportDocument CalcRich(const GeomanticTable& table, const QLocale& locale) {
    return CalcRich(table, table.palaces[Palace::Centre].base, locale);
}

ReportContent TableReportContent(const GeomanticTable& table, const std::string& tableCaption,
                                 const QLocale& locale) {
    ReportContent content;
    content.caption = "Интерпретация: " + tableCaption;
    content.statusText =
        TableStatusLine(table.azimuth, table.tableDate, table.calculationMoment, locale);
    AppendTableReportBody(content.document, table, table.palaces[Palace::Centre].base, locale);
    return content;
}
