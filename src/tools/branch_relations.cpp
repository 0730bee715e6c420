#include "tools/branch_relations.h"

#include <array>

#include "calendar/nine_stars.h"

namespace {

const std::array<std::string, 12> kOfficerNames = {
    "Цзянь. Установление (1)", "Чу. Искоренение (2)",    "Мань. Насыщение (3)",
    "Пин. Выравнивание (4)",   "Дин . Определение (5)",  "Чжи. Удержание (6)",
    "По. Пробой (7)",          "Вэй. Опасность (8)",     "Чэн. Завершение (9)",
    "Шоу. Собирание (10)",     "Кай. Раскрытие (11)",    "Би. Ограничение (12)"};

int Mod12(int x) { return ((x % 12) + 12) % 12; }

}  // namespace

const std::string& OfficerName(int officer) {
    static const std::string empty;
    return officer >= 1 && officer <= 12 ? kOfficerNames[officer - 1] : empty;
}

int OfficerOfBranches(Branch base, Branch additional) { return Chzang(base, additional); }

BranchHarmony HarmonyOfBranches(Branch a, Branch b) {
    if (!IsValidBranch(a) || !IsValidBranch(b)) return BranchHarmony::Neutral;
    // The six harmonies pair branches whose numbers add up to 3 or 15 (Цзы 1 + Чоу 2, Инь 3 +
    // Хай 12, Мао 4 + Сюй 11, Чэнь 5 + Ю 10, Сы 6 + Шэнь 9, У 7 + Вэй 8).
    if (Mod12(a + b) == 3) return BranchHarmony::Combine;
    if (Mod12(a - b) == 6) return BranchHarmony::Clash;
    return BranchHarmony::Neutral;
}

const std::string& HarmonyWord(BranchHarmony harmony) {
    static const std::string combine = "сочетаются";
    static const std::string clash = "НЕ сочетаются";
    static const std::string none;
    switch (harmony) {
        case BranchHarmony::Combine: return combine;
        case BranchHarmony::Clash: return clash;
        case BranchHarmony::Neutral: break;
    }
    return none;
}
