// SPDX-License-Identifier: GPL-3.0-or-later
#include "lore.h"

#include <stdexcept>

namespace art {

QColor elementInk(Element element) {
    switch (element) {
        case Element::Wood: return QColor(0, 128, 128);
        case Element::Fire: return QColor(128, 0, 0);
        case Element::Earth: return QColor(128, 128, 0);
        case Element::Metal: return QColor(128, 128, 128);
        case Element::Water: return QColor(0, 0, 0);
    }
    return Qt::black;
}

QColor elementPaint(Element element) {
    switch (element) {
        case Element::Wood: return QColor(84, 168, 169);
        case Element::Fire: return QColor(210, 16, 0);
        case Element::Earth: return QColor(224, 191, 1);
        case Element::Metal: return QColor(255, 255, 255);
        case Element::Water: return QColor(0, 0, 0);
    }
    return Qt::black;
}

QColor elementWash(Element element) {
    switch (element) {
        case Element::Wood: return QColor(214, 236, 236);
        case Element::Fire: return QColor(248, 214, 208);
        case Element::Earth: return QColor(248, 238, 196);
        case Element::Metal: return QColor(232, 232, 232);
        case Element::Water: return QColor(214, 224, 240);
    }
    return Qt::white;
}

QString elementName(Element element) {
    switch (element) {
        case Element::Wood: return QStringLiteral("Дерево");
        case Element::Fire: return QStringLiteral("Огонь");
        case Element::Earth: return QStringLiteral("Почва");
        case Element::Metal: return QStringLiteral("Металл");
        case Element::Water: return QStringLiteral("Вода");
    }
    return QString();
}

QString elementHanzi(Element element) {
    switch (element) {
        case Element::Wood: return QStringLiteral("木");
        case Element::Fire: return QStringLiteral("火");
        case Element::Earth: return QStringLiteral("土");
        case Element::Metal: return QStringLiteral("金");
        case Element::Water: return QStringLiteral("水");
    }
    return QString();
}

const std::array<Sign, 10>& stems() {
    static const std::array<Sign, 10> table{{
        {QStringLiteral("甲"), QStringLiteral("Цзя"), Element::Wood},
        {QStringLiteral("乙"), QStringLiteral("И"), Element::Wood},
        {QStringLiteral("丙"), QStringLiteral("Бин"), Element::Fire},
        {QStringLiteral("丁"), QStringLiteral("Дин"), Element::Fire},
        {QStringLiteral("戊"), QStringLiteral("У"), Element::Earth},
        {QStringLiteral("己"), QStringLiteral("Цзи"), Element::Earth},
        {QStringLiteral("庚"), QStringLiteral("Гэн"), Element::Metal},
        {QStringLiteral("辛"), QStringLiteral("Синь"), Element::Metal},
        {QStringLiteral("壬"), QStringLiteral("Жэнь"), Element::Water},
        {QStringLiteral("癸"), QStringLiteral("Гуй"), Element::Water},
    }};
    return table;
}

const std::array<Sign, 12>& branches() {
    static const std::array<Sign, 12> table{{
        {QStringLiteral("子"), QStringLiteral("Цзы"), Element::Water},
        {QStringLiteral("丑"), QStringLiteral("Чоу"), Element::Earth},
        {QStringLiteral("寅"), QStringLiteral("Инь"), Element::Wood},
        {QStringLiteral("卯"), QStringLiteral("Мао"), Element::Wood},
        {QStringLiteral("辰"), QStringLiteral("Чэнь"), Element::Earth},
        {QStringLiteral("巳"), QStringLiteral("Сы"), Element::Fire},
        {QStringLiteral("午"), QStringLiteral("У"), Element::Fire},
        {QStringLiteral("未"), QStringLiteral("Вэй"), Element::Earth},
        {QStringLiteral("申"), QStringLiteral("Шэнь"), Element::Metal},
        {QStringLiteral("酉"), QStringLiteral("Ю"), Element::Metal},
        {QStringLiteral("戌"), QStringLiteral("Сюй"), Element::Earth},
        {QStringLiteral("亥"), QStringLiteral("Хай"), Element::Water},
    }};
    return table;
}

const std::array<Trigram, 8>& trigrams() {
    // Lines written bottom to top as bits 0..2: Цянь ☰ 111, Дуй ☱ 011 (broken top), and so on.
    static const std::array<Trigram, 8> table{{
        {QStringLiteral("乾"), QStringLiteral("Цянь"), 0b111, 315, 6, Element::Metal},
        {QStringLiteral("兑"), QStringLiteral("Дуй"), 0b011, 270, 7, Element::Metal},
        {QStringLiteral("离"), QStringLiteral("Ли"), 0b101, 180, 9, Element::Fire},
        {QStringLiteral("震"), QStringLiteral("Чжэнь"), 0b001, 90, 3, Element::Wood},
        {QStringLiteral("巽"), QStringLiteral("Сюнь"), 0b110, 135, 4, Element::Wood},
        {QStringLiteral("坎"), QStringLiteral("Кань"), 0b010, 0, 1, Element::Water},
        {QStringLiteral("艮"), QStringLiteral("Гэнь"), 0b100, 45, 8, Element::Earth},
        {QStringLiteral("坤"), QStringLiteral("Кунь"), 0b000, 225, 2, Element::Earth},
    }};
    return table;
}

const Trigram& trigramOfPalace(int palace) {
    for (const Trigram& t : trigrams()) {
        if (t.palace == palace) return t;
    }
    throw std::invalid_argument("no trigram for this palace");
}

const Trigram& trigramOfDirection(int azimuth) {
    for (const Trigram& t : trigrams()) {
        if (t.azimuth == azimuth) return t;
    }
    throw std::invalid_argument("no trigram in this direction");
}

const std::array<Mountain, 24>& mountains() {
    using K = MountainKind;
    using E = Element;
    static const std::array<Mountain, 24> table{{
        {QStringLiteral("壬"), QStringLiteral("Жэнь"), K::Stem, E::Water, 345},
        {QStringLiteral("子"), QStringLiteral("Цзы"), K::Branch, E::Water, 0},
        {QStringLiteral("癸"), QStringLiteral("Гуй"), K::Stem, E::Water, 15},
        {QStringLiteral("丑"), QStringLiteral("Чоу"), K::Branch, E::Earth, 30},
        {QStringLiteral("艮"), QStringLiteral("Гэнь"), K::Trigram, E::Earth, 45},
        {QStringLiteral("寅"), QStringLiteral("Инь"), K::Branch, E::Wood, 60},
        {QStringLiteral("甲"), QStringLiteral("Цзя"), K::Stem, E::Wood, 75},
        {QStringLiteral("卯"), QStringLiteral("Мао"), K::Branch, E::Wood, 90},
        {QStringLiteral("乙"), QStringLiteral("И"), K::Stem, E::Wood, 105},
        {QStringLiteral("辰"), QStringLiteral("Чэнь"), K::Branch, E::Earth, 120},
        {QStringLiteral("巽"), QStringLiteral("Сюнь"), K::Trigram, E::Wood, 135},
        {QStringLiteral("巳"), QStringLiteral("Сы"), K::Branch, E::Fire, 150},
        {QStringLiteral("丙"), QStringLiteral("Бин"), K::Stem, E::Fire, 165},
        {QStringLiteral("午"), QStringLiteral("У"), K::Branch, E::Fire, 180},
        {QStringLiteral("丁"), QStringLiteral("Дин"), K::Stem, E::Fire, 195},
        {QStringLiteral("未"), QStringLiteral("Вэй"), K::Branch, E::Earth, 210},
        {QStringLiteral("坤"), QStringLiteral("Кунь"), K::Trigram, E::Earth, 225},
        {QStringLiteral("申"), QStringLiteral("Шэнь"), K::Branch, E::Metal, 240},
        {QStringLiteral("庚"), QStringLiteral("Гэн"), K::Stem, E::Metal, 255},
        {QStringLiteral("酉"), QStringLiteral("Ю"), K::Branch, E::Metal, 270},
        {QStringLiteral("辛"), QStringLiteral("Синь"), K::Stem, E::Metal, 285},
        {QStringLiteral("戌"), QStringLiteral("Сюй"), K::Branch, E::Earth, 300},
        {QStringLiteral("乾"), QStringLiteral("Цянь"), K::Trigram, E::Metal, 315},
        {QStringLiteral("亥"), QStringLiteral("Хай"), K::Branch, E::Water, 330},
    }};
    return table;
}

const std::array<QString, 24>& termHanzi() {
    static const std::array<QString, 24> table{{
        QStringLiteral("春分"), QStringLiteral("清明"), QStringLiteral("谷雨"),
        QStringLiteral("立夏"), QStringLiteral("小满"), QStringLiteral("芒种"),
        QStringLiteral("夏至"), QStringLiteral("小暑"), QStringLiteral("大暑"),
        QStringLiteral("立秋"), QStringLiteral("处暑"), QStringLiteral("白露"),
        QStringLiteral("秋分"), QStringLiteral("寒露"), QStringLiteral("霜降"),
        QStringLiteral("立冬"), QStringLiteral("小雪"), QStringLiteral("大雪"),
        QStringLiteral("冬至"), QStringLiteral("小寒"), QStringLiteral("大寒"),
        QStringLiteral("立春"), QStringLiteral("雨水"), QStringLiteral("惊蛰"),
    }};
    return table;
}

const std::array<BaZhaiSector, 8>& baZhaiSectors() {
    static const std::array<BaZhaiSector, 8> table{{
        {QStringLiteral("Шэн Ци"), QStringLiteral("生气"), QStringLiteral("процветание"), true},
        {QStringLiteral("Тянь И"), QStringLiteral("天医"), QStringLiteral("здоровье"), true},
        {QStringLiteral("Янь Нянь"), QStringLiteral("延年"), QStringLiteral("долголетие"), true},
        {QStringLiteral("Фу Вэй"), QStringLiteral("伏位"), QStringLiteral("стабильность"), true},
        {QStringLiteral("Хо Хай"), QStringLiteral("祸害"), QStringLiteral("неприятности"), false},
        {QStringLiteral("У Гуй"), QStringLiteral("五鬼"), QStringLiteral("пять духов"), false},
        {QStringLiteral("Лю Ша"), QStringLiteral("六煞"), QStringLiteral("шесть убийств"), false},
        {QStringLiteral("Цзюэ Мин"), QStringLiteral("绝命"), QStringLiteral("полный крах"), false},
    }};
    return table;
}

int baZhaiDirection(int palace, int sector) {
    // The classic table of the eight houses (the Great Wandering Star changes the lines of the
    // house trigram top, middle, bottom, middle, top, middle, bottom, middle in turn; each new
    // trigram names the direction of the next sector). Columns in the order of baZhaiSectors().
    enum { N = 0, NE = 45, E = 90, SE = 135, S = 180, SW = 225, W = 270, NW = 315 };
    static const int table[10][8] = {
        {},                            // no palace 0
        {SE, E, S, N, W, NE, NW, SW},  // Кань
        {NE, W, NW, SW, E, SE, S, N},  // Кунь
        {S, N, SE, E, SW, NW, NE, W},  // Чжэнь
        {N, S, E, SE, NW, SW, W, NE},  // Сюнь
        {},                            // the centre has no house
        {W, NE, SW, NW, SE, E, N, S},  // Цянь
        {NW, SW, NE, W, N, S, SE, E},  // Дуй
        {SW, NW, W, NE, S, N, E, SE},  // Гэнь
        {E, SE, N, S, NE, W, SW, NW},  // Ли
    };
    if (palace < 1 || palace > 9 || palace == 5 || sector < 0 || sector > 7) {
        throw std::invalid_argument("no Ba Zhai house for this palace");
    }
    return table[palace][sector];
}

QString directionCaption(int azimuth) {
    static const QString captions[8] = {
        QStringLiteral("С"), QStringLiteral("СВ"), QStringLiteral("В"), QStringLiteral("ЮВ"),
        QStringLiteral("Ю"), QStringLiteral("ЮЗ"), QStringLiteral("З"), QStringLiteral("СЗ"),
    };
    return captions[((azimuth % 360 + 360) % 360) / 45];
}

}  // namespace art
