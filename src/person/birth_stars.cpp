// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/birth_stars.h"

#include <array>

namespace {

bool IsStar(int n) {
    return n >= 1 && n <= 9;
}

struct Palace {
    const char* palace;
    const char* element;
};

// By Gua number 1..9 (5 is no Gua).
const std::array<Palace, 9> kPalaces{{
    {"Кань гуа", "Вода"},
    {"Кунь гуа", "Почва"},
    {"Чжэнь гуа", "Дерево"},
    {"Сюнь гуа", "Дерево"},
    {nullptr, nullptr},
    {"Цянь гуа", "Металл"},
    {"Дуй гуа", "Металл"},
    {"Гэнь гуа", "Почва"},
    {"Ли гуа", "Огонь"},
}};

// By star number 1..9: a man's caption, then a woman's.
const std::array<std::array<const char*, 2>, 9> kScripts{{
    {"белая (Вода-ян) / 5 желтая (Почва-инь)", "белая (Вода-инь) / 5 желтая (Почва-ян)"},
    {"черная (Почва-ян) / 4 зеленая (Дерево-инь)", "черная (Почва-инь) / 4 зеленая (Дерево-ян)"},
    {"бирюзовая (Дерево-ян) / 3 бирюзовая (Дерево-инь)",
     "бирюзовая (Дерево-инь) / 3 бирюзовая (Дерево-ян)"},
    {"зеленая (Дерево-ян) / 2 черная (Почва-инь)", "зеленая (Дерево-инь) / 2 черная (Почва-ян)"},
    {"желтая (Почва-ян) / 1 белая (Вода-инь)", "желтая (Почва-инь) / 1 белая (Вода-ян)"},
    {"белая (Металл-ян) / 9 пурпурная (Огонь-инь)", "белая (Металл-инь) / 9 пурпурная (Огонь-ян)"},
    {"алая (Металл-ян) / 8 белая (Почва-инь)", "алая (Металл-инь) / 8 белая (Почва-ян)"},
    {"белая (Почва-ян) / 7 алая (Металл-инь)", "белая (Почва-инь) / 7 алая (Металл-ян)"},
    {"пурпурная (Огонь-ян) / 6 белая (Металл-инь)", "пурпурная (Огонь-инь) / 6 белая (Металл-ян)"},
}};

bool IsGua(int n) {
    return IsStar(n) && n != 5;
}

}  // namespace

int WStar(int star) {
    if (!IsStar(star)) return star;
    // The mirror pairs the stars whose numbers add up to 6 (1..5) or to 15 (6..9).
    return star <= 5 ? 6 - star : 15 - star;
}

int GuaNumber(int displayedYearStar, bool male) {
    if (displayedYearStar == 5) return male ? 2 : 8;
    return displayedYearStar;
}

bool IsEastGroup(int guaNumber) {
    return guaNumber == 1 || guaNumber == 3 || guaNumber == 4 || guaNumber == 9;
}

std::string BaZhaiText(int guaNumber) {
    if (!IsGua(guaNumber)) return std::string();
    const Palace& p = kPalaces[guaNumber - 1];
    return std::string(IsEastGroup(guaNumber) ? "Восточная" : "Западная") + " судьба, Дворец " +
           p.palace + ", " + p.element;
}

std::string ScriptStarRod(bool male, int star) {
    if (!IsStar(star)) return std::string();
    return kScripts[star - 1][male ? 0 : 1];
}

std::string StarLabelText(bool male, int star) {
    return std::to_string(star) + " " + ScriptStarRod(male, star);
}
