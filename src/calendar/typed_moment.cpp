// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/typed_moment.h"

#include <algorithm>
#include <vector>

#include "calendar/typed_month.h"

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s);
}

struct Token {
    QString text;
    bool number;
};

// The numbers and words of a text, in order; the blanks and the marks ". , / - :" between them
// only part them. Empty when another character stands in the text.
std::vector<Token> Tokens(const QString& typed, bool& readable) {
    QString text = typed.toLower();
    text.replace(QChar(0x0451), QChar(0x0435));  // ё → е
    std::vector<Token> tokens;
    readable = true;
    for (const QChar c : text) {
        const bool digit = c.isDigit();
        if (digit || c.isLetter()) {
            if (tokens.empty() || tokens.back().number != digit || tokens.back().text.isNull())
                tokens.push_back({QString(c), digit});
            else
                tokens.back().text += c;
            continue;
        }
        if (!c.isSpace() && !QStringLiteral(".,/-:").contains(c)) {
            readable = false;
            return {};
        }
        if (!tokens.empty() && !tokens.back().text.isNull()) tokens.push_back({QString(), false});
    }
    // The markers between tokens are no longer needed.
    std::vector<Token> words;
    for (Token& t : tokens)
        if (!t.text.isNull()) words.push_back(std::move(t));
    return words;
}

QString Quoted(const QString& text) {
    return U("«") + text.trimmed() + U("»");
}

// The month a word names, in the locale or in Russian: 0 when none or several.
int MonthOfWord(const QString& word, const QLocale& locale) {
    const TypedMonth own = MonthOfTypedText(word, locale);
    if (own.month) return own.month;
    return MonthOfTypedText(word, QLocale(QLocale::Russian, QLocale::Russia)).month;
}

// The positions of day, month and year in the locale's short date ("dd.MM.yyyy": 0, 1, 2).
void DateOrder(const QLocale& locale, int& day, int& month, int& year) {
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    const int d = f.indexOf(QLatin1Char('d')), m = f.indexOf(QLatin1Char('M')),
              y = f.indexOf(QLatin1Char('y'));
    day = (d > m) + (d > y);
    month = (m > d) + (m > y);
    year = (y > d) + (y > m);
}

TypedTime TimeOfTokens(const std::vector<Token>& tokens, std::size_t first, const QString& text) {
    TypedTime t{QTime(), false, QString()};
    std::vector<int> parts;
    const std::size_t count = tokens.size() - first;
    const QString unread = U("Не читается как время: ") + Quoted(text);
    for (std::size_t i = first; i < tokens.size(); ++i)
        if (!tokens[i].number) {
            t.refusal = unread;
            return t;
        }
    if (count == 1) {
        // "8" an hour, "830" or "0830" hours and minutes, "083015" with seconds.
        const QString& digits = tokens[first].text;
        const int n = static_cast<int>(digits.size());
        if (n > 6) {
            t.refusal = unread;
            return t;
        }
        if (n <= 2) {
            parts = {digits.toInt()};
        } else {
            const int seconds = n > 4 ? 2 : 0;
            const int hours = n - 2 - seconds;
            parts = {digits.left(hours).toInt(), digits.mid(hours, 2).toInt()};
            if (seconds) parts.push_back(digits.right(2).toInt());
        }
    } else if (count <= 3) {
        for (std::size_t i = first; i < tokens.size(); ++i) {
            if (tokens[i].text.size() > 2) {
                t.refusal = unread;
                return t;
            }
            parts.push_back(tokens[i].text.toInt());
        }
    } else {
        t.refusal = unread;
        return t;
    }
    parts.resize(3, 0);
    t.withSeconds = count == 3 || (count == 1 && tokens[first].text.size() > 4);
    t.time = QTime(parts[0], parts[1], parts[2]);
    if (!t.time.isValid()) t.refusal = U("Такого времени нет: ") + Quoted(text);
    return t;
}

}  // namespace

TypedDate ReadTypedDate(const QString& text, const QLocale& locale) {
    TypedDate r{QDate(), QTime(), false, QString()};
    bool readable = false;
    std::vector<Token> tokens = Tokens(text, readable);
    const QString unread = U("Не читается как дата: ") + Quoted(text);
    // "1990 г." : the year's mark says nothing more.
    tokens.erase(std::remove_if(tokens.begin(), tokens.end(),
                                [](const Token& t) { return t.text == U("г"); }),
                 tokens.end());
    if (!readable || tokens.empty()) {
        r.refusal = unread;
        return r;
    }
    QString day, month, year;
    std::size_t used = 3;
    int monthNumber = 0;
    if (tokens[0].number && tokens[0].text.size() == 8) {
        // Eight digits in a row: the locale's order, else year, month, day.
        const QString& s = tokens[0].text;
        int d = 0, m = 0, y = 0;
        DateOrder(locale, d, m, y);
        // Offsets of day, month and year in the locale's order: the year has four digits.
        int offsets[3];
        int next = 0;
        for (int position = 0; position < 3; ++position) {
            const int which = position == d ? 0 : position == m ? 1 : 2;
            offsets[which] = next;
            next += which == 2 ? 4 : 2;
        }
        QDate date(s.mid(offsets[2], 4).toInt(), s.mid(offsets[1], 2).toInt(),
                   s.mid(offsets[0], 2).toInt());
        const QDate iso(s.left(4).toInt(), s.mid(4, 2).toInt(), s.right(2).toInt());
        if ((!date.isValid() || date.year() < 1000) && iso.isValid()) date = iso;
        if (!date.isValid()) {
            r.refusal = U("Такого дня нет: ") + Quoted(text);
            return r;
        }
        r.date = date;
        used = 1;
    } else {
        if (tokens.size() < 3) {
            r.refusal = U("Неполная дата: ") + Quoted(text) + U(" (нужны день, месяц и год)");
            return r;
        }
        const Token* word = nullptr;
        std::vector<const Token*> numbers;
        for (std::size_t i = 0; i < 3; ++i) {
            if (tokens[i].number)
                numbers.push_back(&tokens[i]);
            else if (!word)
                word = &tokens[i];
            else {
                r.refusal = unread;
                return r;
            }
        }
        if (word) {
            monthNumber = MonthOfWord(word->text, locale);
            if (!monthNumber) {
                r.refusal = U("Такого месяца нет: ") + Quoted(word->text);
                return r;
            }
            // The day and the year, in either order ("15 мая 1990", "May 15 1990", "1990 мая 15").
            const bool yearFirst = numbers[0]->text.size() > 2;
            day = numbers[yearFirst ? 1 : 0]->text;
            year = numbers[yearFirst ? 0 : 1]->text;
        } else if (tokens[0].text.size() == 4) {
            year = tokens[0].text;
            month = tokens[1].text;
            day = tokens[2].text;
        } else {
            int d = 0, m = 0, y = 0;
            DateOrder(locale, d, m, y);
            day = tokens[d].text;
            month = tokens[m].text;
            year = tokens[y].text;
        }
        if (year.size() <= 2) {
            r.refusal = U("Год пишется четырьмя цифрами: ") + Quoted(text);
            return r;
        }
        if (year.size() != 4 || day.size() > 2 || month.size() > 2) {
            r.refusal = unread;
            return r;
        }
        if (!monthNumber) monthNumber = month.toInt();
        r.date = QDate(year.toInt(), monthNumber, day.toInt());
        if (!r.date.isValid()) {
            r.refusal = U("Такого дня нет: ") + Quoted(text);
            return r;
        }
    }
    if (used < tokens.size()) {
        const TypedTime t = TimeOfTokens(tokens, used, text);
        if (!t.refusal.isEmpty()) {
            r.date = QDate();
            r.refusal = t.refusal;
            return r;
        }
        r.time = t.time;
        r.withSeconds = t.withSeconds;
    }
    return r;
}

TypedTime ReadTypedTime(const QString& text) {
    bool readable = false;
    const std::vector<Token> tokens = Tokens(text, readable);
    if (!readable || tokens.empty())
        return {QTime(), false, U("Не читается как время: ") + Quoted(text)};
    return TimeOfTokens(tokens, 0, text);
}
