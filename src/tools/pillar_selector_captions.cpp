// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pillar_selector_captions.h"

#include <array>

namespace {

const std::array<std::string, 10> kStems = {
    "Цзя (Дерево-ян)", "И (Дерево-инь)",  "Бин (Огонь-ян)",    "Дин (Огонь-инь)", "У (Почва-ян)",
    "Цзи (Почва-инь)", "Гэн (Металл-ян)", "Синь (Металл-инь)", "Жэнь (вода-ян)",  "Гуй (вода-инь)"};

const std::array<std::string, 12> kBranches = {
    "Цзы (вода-ян)",    "Чоу (Почва-инь)", "Инь (Дерево-ян)", "Мао (Дерево-инь)",
    "Чэнь (Почва-ян)",  "Сы (Огонь-инь)",  "У (Огонь-ян)",    "Вэй (Почва-инь)",
    "Шэнь (Металл-ян)", "Ю (Металл-инь)",  "Сюй (Почва-ян)",  "Хай (вода-инь)"};

const std::string kEmpty;

}  // namespace

const std::string& StemSelectorCaption(Stem stem) {
    return IsValidStem(stem) ? kStems[stem - 1] : kEmpty;
}

const std::string& BranchSelectorCaption(Branch branch) {
    return IsValidBranch(branch) ? kBranches[branch - 1] : kEmpty;
}
