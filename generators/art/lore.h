// SPDX-License-Identifier: GPL-3.0-or-later
// The small vocabularies the pictures are drawn from: stems, branches, elements, trigrams, the 24
// mountains, the 24 solar terms and the eight Ba Zhai sectors.
#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace art {

enum class Element { Wood, Fire, Earth, Metal, Water };

// Text colour of an element, as the stems-and-branches table writes its captions:
// Wood teal, Fire maroon, Earth olive, Metal grey, Water black.
QColor elementInk(Element element);
// Paint colour of an element, as the program's legends fill their squares:
// Wood (84, 168, 169), Fire (210, 16, 0), Earth (224, 191, 1), Metal white, Water black.
QColor elementPaint(Element element);
// A light background for an element (Metal and Water get a pale grey and a pale blue, since
// white and black cannot be lightened into anything readable).
QColor elementWash(Element element);
QString elementName(Element element);   // "Дерево", ...
QString elementHanzi(Element element);  // 木, ...

struct Sign {
    QString hanzi;
    QString name;  // Russian transliteration, as the program names it
    Element element;
};
// Heavenly stems 1..10 (index 0 is stem 1, Цзя) and earthly branches 1..12 (index 0 is Цзы).
const std::array<Sign, 10>& stems();
const std::array<Sign, 12>& branches();

struct Trigram {
    QString hanzi;
    QString name;
    int lines;    // bit 2 top line, bit 0 bottom line; a set bit is a solid (yang) line
    int azimuth;  // its direction in the Later Heaven arrangement, degrees from north
    int palace;   // its Lo Shu number
    Element element;
};
// The eight trigrams in the program's numbering 1..8 (Цянь, Дуй, Ли, Чжэнь, Сюнь, Кань, Гэнь,
// Кунь).
const std::array<Trigram, 8>& trigrams();
const Trigram& trigramOfPalace(int palace);      // palace 1..9 except 5
const Trigram& trigramOfDirection(int azimuth);  // azimuth 0, 45, ..., 315

enum class MountainKind { Stem, Branch, Trigram };
struct Mountain {
    QString hanzi;
    QString name;
    MountainKind kind;
    Element element;
    int centreAzimuth;  // each mountain spans 7.5 degrees to either side
};
// The 24 mountains clockwise from Жэнь (centre 345 degrees).
const std::array<Mountain, 24>& mountains();

// Chinese names of the 24 solar terms by term index k (longitude 15k; k = 0 spring equinox).
const std::array<QString, 24>& termHanzi();

struct BaZhaiSector {
    QString name;     // "Шэн Ци", ...
    QString hanzi;    // 生气, ...
    QString meaning;  // a word or two of what the sector brings
    bool auspicious;
};
// The eight sectors: four auspicious (Шэн Ци, Тянь И, Янь Нянь, Фу Вэй), then four inauspicious
// (Хо Хай, У Гуй, Лю Ша, Цзюэ Мин).
const std::array<BaZhaiSector, 8>& baZhaiSectors();
// The direction (azimuth 0..315) in which the given sector lies for the house of a palace
// (Кань 1, Кунь 2, Чжэнь 3, Сюнь 4, Цянь 6, Дуй 7, Гэнь 8, Ли 9).
int baZhaiDirection(int palace, int sector);

// Short compass captions of the eight directions: "С", "СВ", "В", ...
QString directionCaption(int azimuth);

}  // namespace art
