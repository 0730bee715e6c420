// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the symbolic stars, as the program follows them. A row names the basis of its
// lookup; the lookup is written in stem and branch characters so that it reads as the tables of
// the classical manuals do.
#include "person/symbolic_stars.h"

namespace {

using B = StarBasis;

// The four triads (申子辰 water, 寅午戌 fire, 巳酉丑 metal, 亥卯未 wood) give the branch-based
// stars of the year and of the day branch.
const std::vector<StarBasis> kYearAndDay = {B::YearBranch, B::DayBranch};

}  // namespace

const std::vector<SymbolicStarRule>& SymbolicStarRules() {
    static const std::vector<SymbolicStarRule> kRules = {
        {"nobleman",
         "天乙贵人",
         "Благородный человек",
         {B::DayStem},
         "甲戊庚→丑未 乙己→子申 丙丁→亥酉 辛→午寅 壬癸→卯巳",
         "по стволу дня"},
        {"academic",
         "文昌",
         "Академическая звезда",
         {B::DayStem},
         "甲→巳 乙→午 丙→申 丁→酉 戊→申 己→酉 庚→亥 辛→子 壬→寅 癸→卯",
         "по стволу дня"},
        {"prosperity",
         "禄神",
         "Процветание",
         {B::DayStem},
         "甲→寅 乙→卯 丙→巳 丁→午 戊→巳 己→午 庚→申 辛→酉 壬→亥 癸→子",
         "по стволу дня"},
        {"blade",
         "羊刃",
         "Клинок",
         {B::DayStem},
         "甲→卯 丙→午 戊→午 庚→酉 壬→子",
         "по стволу дня (только ян)"},
        {"golden_carriage",
         "金舆",
         "Золотая карета",
         {B::DayStem},
         "甲→辰 乙→巳 丙→未 丁→申 戊→未 己→申 庚→戌 辛→亥 壬→丑 癸→寅",
         "по стволу дня"},
        {"travelling_horse", "驿马", "Почтовая лошадь", kYearAndDay,
         "申子辰→寅 寅午戌→申 巳酉丑→亥 亥卯未→巳", "по тройке ветви года и ветви дня"},
        {"peach_blossom", "桃花", "Цветок персика", kYearAndDay,
         "申子辰→酉 寅午戌→卯 巳酉丑→午 亥卯未→子", "по тройке ветви года и ветви дня"},
        {"canopy", "华盖", "Великолепный зонт", kYearAndDay,
         "申子辰→辰 寅午戌→戌 巳酉丑→丑 亥卯未→未", "по тройке ветви года и ветви дня"},
        {"general", "将星", "Звезда генерала", kYearAndDay,
         "申子辰→子 寅午戌→午 巳酉丑→酉 亥卯未→卯", "по тройке ветви года и ветви дня"},
        {"robbery", "劫煞", "Ограбление", kYearAndDay, "申子辰→巳 寅午戌→亥 巳酉丑→寅 亥卯未→申",
         "по тройке ветви года и ветви дня"},
        {"disaster", "灾煞", "Бедствие", kYearAndDay, "申子辰→午 寅午戌→子 巳酉丑→卯 亥卯未→酉",
         "по тройке ветви года и ветви дня"},
        {"loss", "亡神", "Потеря", kYearAndDay, "申子辰→亥 寅午戌→巳 巳酉丑→申 亥卯未→寅",
         "по тройке ветви года и ветви дня"},
        {"solitude",
         "孤辰",
         "Одиночество",
         {B::YearBranch},
         "亥子丑→寅 寅卯辰→巳 巳午未→申 申酉戌→亥",
         "по сезону ветви года"},
        {"widowhood",
         "寡宿",
         "Вдовство",
         {B::YearBranch},
         "亥子丑→戌 寅卯辰→丑 巳午未→辰 申酉戌→未",
         "по сезону ветви года"},
        // 子→卯, then one branch back for each branch forward.
        {"red_phoenix",
         "红鸾",
         "Красный феникс",
         {B::YearBranch},
         "子→卯 丑→寅 寅→丑 卯→子 辰→亥 巳→戌 午→酉 未→申 申→未 酉→午 戌→巳 亥→辰",
         "по ветви года"},
        // The branch opposite the red phoenix.
        {"heavenly_joy",
         "天喜",
         "Небесная радость",
         {B::YearBranch},
         "子→酉 丑→申 寅→未 卯→午 辰→巳 巳→辰 午→卯 未→寅 申→丑 酉→子 戌→亥 亥→戌",
         "по ветви года"},
        {"heavenly_virtue",
         "天德",
         "Небесная добродетель",
         {B::MonthBranch},
         "寅→丁 卯→申 辰→壬 巳→辛 午→亥 未→甲 申→癸 酉→寅 戌→丙 亥→乙 子→巳 丑→庚",
         "по ветви месяца"},
        {"monthly_virtue",
         "月德",
         "Лунная добродетель",
         {B::MonthBranch},
         "寅午戌→丙 申子辰→壬 亥卯未→甲 巳酉丑→庚",
         "по ветви месяца"},
        // The branch before the month branch.
        {"heavenly_doctor",
         "天医",
         "Небесный лекарь",
         {B::MonthBranch},
         "子→亥 丑→子 寅→丑 卯→寅 辰→卯 巳→辰 午→巳 未→午 申→未 酉→申 戌→酉 亥→戌",
         "по ветви месяца"},
    };
    return kRules;
}
