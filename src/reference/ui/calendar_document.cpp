// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/calendar_document.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <memory>

#include "almanac/almanac_lines.h"
#include "almanac/almanac_names.h"
#include "calendar/calendar_captions.h"
#include "widgets/sheet_layout.h"

namespace {

constexpr int kTextPixels = 13;
constexpr int kHeadingPixels = 17;
constexpr int kPillarPixels = 30;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
QString Caption(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QTextCharFormat Plain() {
    QTextCharFormat f;
    f.setFontWeight(QFont::Normal);
    return f;
}
QTextCharFormat Bold() {
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    return f;
}

// A new paragraph; the document's first takes the place of the empty one it starts with.
void NewParagraph(QTextCursor& cursor, const QTextBlockFormat& format) {
    if (cursor.atStart() && cursor.block().text().isEmpty())
        cursor.setBlockFormat(format);
    else
        cursor.insertBlock(format, QTextCharFormat());
}

// A paragraph of runs, each a piece of text and whether it is bold.
void AppendParagraph(QTextCursor& cursor, std::initializer_list<std::pair<QString, bool>> runs) {
    NewParagraph(cursor, QTextBlockFormat());
    for (const auto& [text, bold] : runs) cursor.insertText(text, bold ? Bold() : Plain());
}

void AppendHeading(QTextCursor& cursor, const char* text) {
    QTextBlockFormat block;
    block.setTopMargin(8);
    block.setBottomMargin(4);
    block.setHeadingLevel(2);
    NewParagraph(cursor, block);
    QTextCharFormat format = Bold();
    format.setFont(SheetFont(kHeadingPixels, true), QTextCharFormat::FontPropertiesSpecifiedOnly);
    format.setForeground(QColor(128, 0, 0));
    cursor.insertText(Caption(text), format);
}

// The four pillars: their characters, and beside them the sign and the caption of each.
void AppendPillars(QTextCursor& cursor, const MomentCalendar& calendar, const CalendarCaptions& t) {
    const CurrentMoment& m = calendar.moment;
    struct Row {
        const Pillar& pillar;
        const std::string& sign;
        const std::string& caption;
    };
    const Row rows[] = {{m.year, t.yearSign, t.yearPillar},
                        {m.month, t.monthSign, t.monthPillar},
                        {m.day, t.daySign, t.dayPillar},
                        {m.hour, t.hourSign, t.hourPillar}};
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setTopMargin(6);
    format.setBottomMargin(6);
    QTextTable* table = cursor.insertTable(4, 2, format);
    QTextCharFormat glyphs;
    glyphs.setFont(ChineseFont(kPillarPixels), QTextCharFormat::FontPropertiesSpecifiedOnly);
    for (int r = 0; r < 4; ++r) {
        QTextCursor cell = table->cellAt(r, 0).firstCursorPosition();
        cell.insertText(Text(PillarHanzi(rows[r].pillar)), glyphs);
        cell = table->cellAt(r, 1).firstCursorPosition();
        cell.insertText(Text(rows[r].sign), Bold());
        cell.insertBlock();
        cell.insertText(Text(rows[r].caption), Plain());
    }
    cursor.movePosition(QTextCursor::End);
}

// The rows of the calendar window, in its order.
void AppendCalendar(QTextCursor& cursor, const MomentCalendar& calendar) {
    const CalendarCaptions t = CaptionsOfCalendar(calendar, QLocale());
    AppendHeading(cursor, "Календарь");
    AppendParagraph(cursor, {{Caption("Расчет произведен на: "), false},
                             {Text(t.dateTime), true},
                             {Caption(", ") + Text(t.weekday), false}});
    AppendPillars(cursor, calendar, t);
    AppendParagraph(cursor, {{Text(t.seasonMonth), true}});
    AppendParagraph(cursor, {{Text(t.term), false}});
    AppendParagraph(cursor,
                    {{Caption("Год китайского календаря: "), false}, {Text(t.chineseYear), true}});
    AppendParagraph(cursor, {{Caption("Юань (60 лет): "), false}, {Text(t.era), true}});
    const std::pair<const char*, std::pair<const std::string&, const std::string&>> stars[] = {
        {"Большой юнь (60 лет): ", {t.greatCycleStar, t.greatCycleColour}},
        {"Малый юнь (20 лет): ", {t.smallCycleStar, t.smallCycleColour}},
        {"Звезда года: ", {t.yearStar, t.yearStarColour}},
        {"Звезда месяца: ", {t.monthStar, t.monthStarColour}},
        {"Звезда дня: ", {t.dayStar, t.dayStarColour}},
        {"Звезда часа: ", {t.hourStar, t.hourStarColour}}};
    for (const auto& [caption, star] : stars)
        AppendParagraph(cursor, {{Caption(caption), false},
                                 {Text(star.first), true},
                                 {Caption(" ") + Text(star.second), false}});
    AppendParagraph(cursor, {{Caption("Лунный месяц: "), false},
                             {Text(t.lunarMonth), true},
                             {t.leapMonth ? Caption(" (дополнительный)") : QString(), false}});
    AppendParagraph(cursor, {{Caption("Лунный день: "), false}, {Text(t.lunarDay), true}});
}

}  // namespace

QString CalendarDocumentHeader(const MomentCalendar& calendar) {
    return Caption("Календарь — ") + Text(CaptionsOfCalendar(calendar, QLocale()).dateTime);
}

PrintDocument CalendarDocument(const MomentCalendar& calendar, const AlmanacDay* almanac) {
    auto text = std::make_shared<QTextDocument>();
    text->setDefaultFont(SheetFont(kTextPixels));
    QTextCursor cursor(text.get());
    AppendCalendar(cursor, calendar);
    if (almanac) {
        AppendHeading(cursor, "Альманах дня");
        for (const std::string& line : AlmanacLines(*almanac))
            AppendParagraph(cursor, {{Text(line), false}});
    }
    return PrintDocument{CalendarDocumentHeader(calendar), {}, text};
}
