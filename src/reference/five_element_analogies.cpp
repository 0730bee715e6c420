// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/five_element_analogies.h"

const AnalogyRow AnalogyHeader{"У син",  "Ограны инь",        "Ограны ян", "Окна",
                               "Эмоции", "Природные явления", "Цвета",     "Вкус"};

// The tastes follow the tradition of the other columns: Fire is bitter, Metal pungent (the table
// once had Metal "Горький" and Fire "Горячий", which is no taste).
const std::array<AnalogyRow, kAnalogyRows> AnalogyTable{{
    {"Дерево", "Печень", "Желчный пузырь", "Глаза", "Гнев", "Ветер", "Лазурный", "Кислый"},
    {"Почва", "Селезенка", "Желудок", "Рот", "Раздумье", "Влажность", "Желтый", "Сладкий"},
    {"Металл", "Легкие", "Толстая кишка", "Нос", "Печаль", "Сухость", "Белый", "Острый"},
    {"Вода", "Почки", "Мочевой пузырь", "Уши", "Страх", "Холод", "Черный", "Соленый"},
    {"Огонь", "Сердце", "Тонкая кишка", "Язык", "Радость", "Жара", "Красный", "Горький"},
}};
