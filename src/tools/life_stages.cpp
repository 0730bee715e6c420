// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/life_stages.h"

#include <array>

namespace {

// Birth branch by stem; earth stems share the cycles of the fire stems (У as Бин, Цзи as Дин).
constexpr std::array<Branch, 10> kBirthBranch = {12, 7, 3, 10, 3, 10, 6, 1, 9, 4};

const std::array<std::string, 12> kStageNames = {
    "Купание", "Воспитание", "Вступление в контакт", "Расцвет", "Увядание",      "Болезнь",
    "Смерть",  "Хранилище",  "Прерывание",           "Зачатие", "Вскармливание", "Рождение"};

int Mod12(int x) {
    return ((x % 12) + 12) % 12;
}

}  // namespace

Branch BirthBranch(Stem stem) {
    return IsValidStem(stem) ? kBirthBranch[stem - 1] : 0;
}

LifeStage LifeStageOf(Stem stem, Branch branch) {
    const Branch birth = BirthBranch(stem);
    LifeStage stage;
    if (StemPolarity(stem) == Polarity::Yang) {
        stage.position = Mod12(branch - birth + 11);
        stage.direction = TMyInJan::cz_Jan;
    } else {
        stage.position = Mod12(birth - branch + 11);
        stage.direction = TMyInJan::cz_In;
    }
    return stage;
}

const std::string& LifeStageName(int position) {
    static const std::string empty;
    return position >= 0 && position < 12 ? kStageNames[position] : empty;
}
