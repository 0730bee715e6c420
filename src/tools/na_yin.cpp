// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/na_yin.h"

#include <array>

const char* const kNoPairCombination = "Парная комбинация отсутствует";

namespace {

// The image of numbers 2k − 1 and 2k, k = 1..30.
const std::array<const char*, 30> kImages = {
    "Металл в море",
    "Огонь в печи",
    "Дерево большого леса",
    "Почва около дороги",
    "Металла на острие Меча",
    "Огонь на вершине горы",
    "Вода нижней части русла",
    "Почва на городской стене",
    "Белый восковой Металл",
    "Дерево ивы",
    "Вода колодца и источника",
    "Почва на крыше дома",
    "Огонь грома и молнии",
    "Дерево сосны и кипариса",
    "Вода из длинного потока",
    "Металл в песке",
    "Огонь, спускающийся с горы",
    "Дерево ровной земли",
    "Почва поверх стены",
    "Металл металлической фольги",
    "Огонь перевёрнутой лампы",
    "Вода из Небесной реки",
    "Почва с большой станции",
    "Металл шпилек и браслетов",
    "Тутовое дерево",
    "Вода большого ручья",
    "Почва внутри песка",
    "Огонь, поднимающийся на Небо",
    "Дерево граната",
    "Вода большого моря",
};

constexpr int kNumberWrittenWithout = 49;

}  // namespace

std::string NaYinText(Stem stem, Branch branch) {
    const int n = SexagenaryIndex(stem, branch);
    if (n < 1 || n > 60) return kNoPairCombination;
    const std::string image = kImages[(n - 1) / 2];
    if (n == kNumberWrittenWithout) return image;
    return image + " (" + std::to_string(n) + ")";
}
