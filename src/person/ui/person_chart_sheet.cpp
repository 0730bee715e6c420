// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ui/person_chart_sheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <memory>

#include "calendar/hanzi.h"
#include "person/personal_report.h"

namespace {

// The body of an A4 page with 15 mm margins, in the screen pixels the pages are laid out in.
constexpr int kSheetWidth = 680;
constexpr int kPillarColumn = 270;  // the four pillars; the birth stars take the rest
constexpr int kTextPixels = 12;
constexpr int kPillarGlyphPixels = 30;
constexpr int kLuckGlyphPixels = 22;

const QColor kHeading(128, 0, 0);
const QColor kWarningText(150, 0, 0);
const QColor kWarningGround(255, 238, 200);
const QColor kRunningGround(255, 240, 176);
const QColor kQuiet(80, 80, 80);

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
QString Caption(const char* utf8) {
    return QString::fromUtf8(utf8);
}

int Ceil(double x) {
    return static_cast<int>(std::ceil(x));
}

// Characters in one row, centred in their area.
SheetSection Glyphs(const QString& characters, int pixels) {
    const QFont font = ChineseFont(pixels);
    return {[font](int) { return Ceil(QFontMetricsF(font).lineSpacing()); },
            [characters, font](QPainter& painter, const QRect& area) {
                painter.save();
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, characters);
                painter.restore();
            }};
}

QString PillarHanzi(const Pillar& p) {
    return Text(StemHanzi(p.stem) + BranchHanzi(p.branch));
}

// One pillar: its characters, and beside them what it is, its sign and its caption.
SheetSection PillarBlock(const char* what, const Pillar& pillar, const std::string& sign,
                         const std::string& caption) {
    return SideBySide(Glyphs(PillarHanzi(pillar), kPillarGlyphPixels),
                      Stacked({Paragraph(Caption(what), SheetFont(kTextPixels, true), kHeading),
                               Paragraph(Text(sign), SheetFont(kTextPixels)),
                               Paragraph(Text(caption), SheetFont(kTextPixels))},
                              1),
                      2 * kPillarGlyphPixels + 8, 8);
}

SheetSection Heading(const PersonCalculation& c, const PersonSheetFacts& facts) {
    const PersonChartTexts& t = c.texts;
    std::vector<SheetSection> lines{Paragraph(facts.caption, SheetFont(16, true), kHeading)};
    if (!c.person.place.empty())
        lines.push_back(Paragraph(Caption("Место рождения: ") + Text(c.person.place),
                                  SheetFont(kTextPixels + 1)));
    lines.insert(lines.end(),
                 {Paragraph(Caption("Дата и время рождения: ") + Text(t.dateTime) + Caption(", ") +
                                Text(t.weekday),
                            SheetFont(kTextPixels + 1, true)),
                  Paragraph(Caption("Пол: ") + Text(t.sexWord) + Caption(" | ") + Text(t.zone) +
                                Caption(" | летнее время: ") + Text(t.summerHours) +
                                Caption(" | ") + Text(t.longitude),
                            SheetFont(kTextPixels - 1), kQuiet)});
    return Stacked(lines, 2);
}

// The warnings of a birth within minutes of a boundary and of its clock time, each on its own
// line, on a band as tall as their text.
SheetSection Warnings(const PersonCalculation& c) {
    QStringList lines;
    for (const std::string& line : BirthWarningLines(c.person)) lines << Text(line);
    return Band(lines.join(QLatin1Char('\n')), SheetFont(kTextPixels), kWarningText,
                kWarningGround);
}

SheetSection Pillars(const PersonCalculation& c) {
    const PersonChart& p = c.chart;
    const PersonChartTexts& t = c.texts;
    return Stacked({PillarBlock("Год", p.year, t.yearSign, t.yearPillar),
                    PillarBlock("Месяц", p.month, t.monthSign, t.monthPillar),
                    PillarBlock("День", p.day, t.daySign, t.dayPillar),
                    Paragraph(Caption("Ствол дня рождения: ") + Text(t.dayStemElement),
                              SheetFont(kTextPixels)),
                    PillarBlock("Час", p.hour, t.hourSign, t.hourPillar)},
                   8);
}

SheetSection Stars(const PersonCalculation& c) {
    const PersonChartTexts& t = c.texts;
    const QFont font = SheetFont(kTextPixels);
    return Stacked({Paragraph(Caption("Звезды рождения:"), SheetFont(kTextPixels, true), kHeading),
                    CaptionedRows({{Caption("Большой юнь (60 лет):"), Text(t.greatCycleStar)},
                                   {Caption("Малый юнь (20 лет):"), Text(t.smallCycleStar)},
                                   {Caption("Звезда года:"), Text(t.yearStar)},
                                   {Caption("Звезда месяца:"), Text(t.monthStar)},
                                   {Caption("Звезда дня:"), Text(t.dayStar)},
                                   {Caption("Звезда часа:"), Text(t.hourStar)}},
                                  font),
                    Paragraph(Caption("Ба чжай: ") + Text(t.baZhai), font)},
                   6);
}

// The nine luck pillars, the first at the right as in the window; the running one on a band.
SheetSection LuckPillars(const PersonCalculation& c, int calendarYear) {
    const PersonChart& p = c.chart;
    const PersonChartTexts& t = c.texts;
    const int running = LuckPillarOfYear(p.birthYear, p.firstLuckAge, calendarYear);
    std::vector<SheetSection> columns;
    for (int i = kLuckPillarCount - 1; i >= 0; --i) {
        const bool now = i + 1 == running;
        const Pillar& pillar = p.luckPillars[static_cast<std::size_t>(i)];
        columns.push_back(
            Stacked({Paragraph(Text(t.luckAges[static_cast<std::size_t>(i)]),
                               SheetFont(kTextPixels, now), Qt::black, Qt::AlignHCenter),
                     Glyphs(Text(StemHanzi(pillar.stem)), kLuckGlyphPixels),
                     Glyphs(Text(BranchHanzi(pillar.branch)), kLuckGlyphPixels),
                     Paragraph(Text(t.luckYears[static_cast<std::size_t>(i)]),
                               SheetFont(kTextPixels - 2, now), kQuiet, Qt::AlignHCenter)},
                    1));
    }
    auto rows = std::make_shared<std::vector<SheetSection>>(std::move(columns));
    const int runningColumn = running >= 1 ? kLuckPillarCount - running : -1;
    auto columnWidth = [](int width) { return width / kLuckPillarCount; };
    SheetSection grid{
        [rows, columnWidth](int width) {
            int tallest = 0;
            for (const SheetSection& s : *rows)
                tallest = std::max(tallest, s.height(columnWidth(width) - 6));
            return tallest + 4;
        },
        [rows, columnWidth, runningColumn](QPainter& painter, const QRect& area) {
            const int w = columnWidth(area.width());
            for (int k = 0; k < static_cast<int>(rows->size()); ++k) {
                const QRect cell(area.left() + k * w, area.top(), w, area.height());
                if (k == runningColumn) painter.fillRect(cell, kRunningGround);
                if (k > 0) {
                    painter.setPen(QColor(190, 190, 190));
                    painter.drawLine(cell.topLeft(), cell.bottomLeft());
                }
                const SheetSection& s = (*rows)[static_cast<std::size_t>(k)];
                s.paint(painter, QRect(cell.left() + 3, cell.top() + 2, w - 6, s.height(w - 6)));
            }
        }};
    return Stacked(
        {Paragraph(Caption("Столпы удачи:"), SheetFont(kTextPixels, true), kHeading), grid}, 4);
}

}  // namespace

std::vector<SheetSection> PersonChartSections(const PersonCalculation& calculation,
                                              const PersonSheetFacts& facts) {
    return {Heading(calculation, facts), Warnings(calculation),
            SideBySide(Pillars(calculation), Stars(calculation), kPillarColumn, 16),
            LuckPillars(calculation, facts.calendarYear)};
}

Picture PersonChartSheet(const std::vector<SheetSection>& sections) {
    return StackedSheet(sections, kSheetWidth);
}
