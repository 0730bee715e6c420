// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/typed_date_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>

#include "calendar/typed_moment.h"
#include "calendar/typed_month.h"

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s);
}

bool AllOf(const QString& text, bool (QChar::*test)() const) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [test](const QChar c) { return (c.*test)(); });
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

// A key that types into the field: a letter or a digit, or pasted text.
bool Types(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) return true;
    const QString text = key.text();
    return !(key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) && !text.isEmpty() &&
           text.at(0).isLetterOrNumber();
}

QDate WithDay(const QDate& date, int day) {
    return QDate(date.year(), date.month(), day);
}

// The month or year changed, the day kept within the new month (31 January → 28 February).
QDate WithMonth(const QDate& date, int year, int month) {
    const int days = QDate(year, month, 1).daysInMonth();
    return QDate(year, month, std::min(date.day(), days));
}

}  // namespace

TypedDateEdit::TypedDateEdit(QWidget* parent) : QDateTimeEdit(parent) {
    Init();
}

TypedDateEdit::TypedDateEdit(QTime time, QWidget* parent)
    : QDateTimeEdit(time, QMetaType::QTime, parent) {
    Init();
}

void TypedDateEdit::Init() {
    lineEdit()->installEventFilter(this);
    // A value set from outside (another window's moment) replaces what was being typed.
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] { typing_ = false; });
}

TypedTimeEdit::TypedTimeEdit(QWidget* parent) : TypedDateEdit(QTime(0, 0), parent) {}

TypedTimeEdit::TypedTimeEdit(QTime time, QWidget* parent) : TypedDateEdit(time, parent) {}

QValidator::State TypedDateEdit::validate(QString& input, int& pos) const {
    // Typed text is read as a whole when the typing ends; until then any text may stand.
    if (typing_) return QValidator::Intermediate;
    return QDateTimeEdit::validate(input, pos);
}

void TypedDateEdit::Forward(QObject* receiver, QEvent* event) {
    // The text field edits the typed text as a plain line; the date editor, which would move the
    // cursor from section to section of a date that is not there, does not hear of it.
    const QSignalBlocker quiet(lineEdit());
    receiver->event(event);
}

void TypedDateEdit::BeginTyping() {
    QLineEdit* line = lineEdit();
    const bool whole = line->selectedText().size() == line->text().size();
    typedOver_ = whole ? sectionAt(0) : currentSection();
    typing_ = true;
    const QSignalBlocker quiet(line);
    line->setText(QString());
}

bool TypedDateEdit::event(QEvent* event) {
    if (typing_ && event->type() == QEvent::ShortcutOverride) {
        // A shortcut (Enter to compute, Ctrl+S to save) takes the typed value with it; the
        // text field keeps its own editing keys.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!IsEnter(key->key())) {
            const bool handled = QDateTimeEdit::event(event);
            if (event->isAccepted() || IsModifierKey(key->key()) ||
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
                return handled;
        }
        if (!FinishTyping()) {
            swallowedKey_ = key->key();
            event->accept();
            return true;
        }
        event->ignore();
        return false;
    }
    return QDateTimeEdit::event(event);
}

bool TypedDateEdit::eventFilter(QObject* watched, QEvent* event) {
    // Clicks into typed text place the cursor as in any line.
    if (typing_ && watched == lineEdit()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove: Forward(watched, event); return true;
            default: break;
        }
    }
    return QDateTimeEdit::eventFilter(watched, event);
}

void TypedDateEdit::keyPressEvent(QKeyEvent* event) {
    if (swallowedKey_ && event->key() == swallowedKey_) {
        swallowedKey_ = 0;
        event->accept();
        return;
    }
    swallowedKey_ = 0;
    if (!typing_ && !isReadOnly() && Types(*event)) BeginTyping();
    if (typing_) {
        switch (event->key()) {
            case Qt::Key_Escape:
                typing_ = false;
                Show(dateTime());
                event->accept();
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                if (!FinishTyping()) {
                    event->accept();
                    return;
                }
                break;  // the value read, the key does what it does in the field
            default: Forward(lineEdit(), event); return;
        }
    }
    QDateTimeEdit::keyPressEvent(event);
}

void TypedDateEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Letters composed by an input method type as keys do.
    if (!typing_ && !isReadOnly() && !event->commitString().isEmpty()) BeginTyping();
    if (typing_)
        Forward(lineEdit(), event);
    else
        QDateTimeEdit::inputMethodEvent(event);
}

bool TypedDateEdit::focusNextPrevChild(bool next) {
    if (!typing_) return QDateTimeEdit::focusNextPrevChild(next);
    // Tab after typed text leaves the field, as from a line; a refused text keeps the focus for
    // another try.
    if (!FinishTyping()) return true;
    return QWidget::focusNextPrevChild(next);
}

void TypedDateEdit::focusOutEvent(QFocusEvent* event) {
    FinishTyping();
    QDateTimeEdit::focusOutEvent(event);
}

void TypedDateEdit::mousePressEvent(QMouseEvent* event) {
    // The buttons and the calendar work on the value the typing made.
    FinishTyping();
    QDateTimeEdit::mousePressEvent(event);
}

#if QT_CONFIG(wheelevent)
void TypedDateEdit::wheelEvent(QWheelEvent* event) {
    if (FinishTyping()) QDateTimeEdit::wheelEvent(event);
}
#endif

void TypedDateEdit::Show(const QDateTime& value) {
    // Sets the value and writes it in the display format again (also when it is unchanged).
    if (displayedSections() & DateSections_Mask)
        setDateTime(value);
    else
        setTime(value.time());
}

bool TypedDateEdit::FinishTyping() {
    if (!typing_) return true;
    typing_ = false;
    const QString typed = lineEdit()->text().trimmed();
    if (typed.isEmpty()) {
        Show(dateTime());
        return true;
    }
    QString refusal;
    const QDateTime next = ReadTyped(typed, refusal);
    if (refusal.isEmpty() && (next < minimumDateTime() || next > maximumDateTime()))
        refusal = U("Вне пределов поля (") + textFromDateTime(minimumDateTime()) + U(" – ") +
                  textFromDateTime(maximumDateTime()) + U("): ") + typed;
    if (!refusal.isEmpty()) {
        Show(dateTime());
        Refuse(refusal);
        return false;
    }
    Show(next);
    return true;
}

QDateTime TypedDateEdit::WithSection(const QString& typed, QString& refusal, bool& read) const {
    // One number or one month name over a section: that section, as Qt's own editing has it.
    QDateTime at = dateTime();
    const QDate date = at.date();
    const QTime time = at.time();
    read = true;
    if (typedOver_ == MonthSection && AllOf(typed, &QChar::isLetter)) {
        int month = MonthOfTypedText(typed, locale()).month;
        if (!month)
            month = MonthOfTypedText(typed, QLocale(QLocale::Russian, QLocale::Russia)).month;
        if (!month) {
            refusal = U("Такого месяца нет: ") + typed;
            return {};
        }
        at.setDate(WithMonth(date, date.year(), month));
        return at;
    }
    if (!AllOf(typed, &QChar::isDigit) || typed.size() > 4 ||
        (typed.size() > 2 && typedOver_ != YearSection)) {
        read = false;
        return {};
    }
    const int n = typed.toInt();
    QTime t;
    switch (typedOver_) {
        case DaySection:
            if (!WithDay(date, n).isValid()) refusal = U("Такого дня нет: ") + typed;
            at.setDate(WithDay(date, n));
            return at;
        case MonthSection:
            if (n < 1 || n > 12) {
                refusal = U("Такого месяца нет: ") + typed;
                return {};
            }
            at.setDate(WithMonth(date, date.year(), n));
            return at;
        case YearSection:
            if (typed.size() != 4) {
                refusal = U("Год пишется четырьмя цифрами: ") + typed;
                return {};
            }
            at.setDate(WithMonth(date, n, date.month()));
            return at;
        case HourSection: t = QTime(n, time.minute(), time.second()); break;
        case MinuteSection: t = QTime(time.hour(), n, time.second()); break;
        case SecondSection: t = QTime(time.hour(), time.minute(), n); break;
        default: read = false; return {};
    }
    if (!t.isValid()) refusal = U("Такого времени нет: ") + typed;
    at.setTime(t);
    return at;
}

QDateTime TypedDateEdit::ReadTyped(const QString& typed, QString& refusal) const {
    bool read = false;
    QDateTime at = WithSection(typed, refusal, read);
    if (read) return at;
    at = dateTime();
    const Sections shown = displayedSections();
    const bool timeShown = shown & TimeSections_Mask;
    const bool secondsShown = shown & (SecondSection | MSecSection);
    if (shown & DateSections_Mask) {
        const TypedDate d = ReadTypedDate(typed, locale());
        if (d.refusal.isEmpty()) {
            if (d.time.isValid() && !timeShown)
                refusal = U("В этом поле только дата, без времени: ") + typed;
            else if (d.withSeconds && !secondsShown)
                refusal = U("Секунды в этом поле не ставятся: ") + typed;
            at.setDate(d.date);
            if (d.time.isValid()) at.setTime(d.time);
            return at;
        }
        refusal = d.refusal;
        // A field of date and time also takes a time alone.
        if (!timeShown) return {};
    }
    const TypedTime t = ReadTypedTime(typed);
    if (!t.refusal.isEmpty()) {
        if (refusal.isEmpty()) refusal = t.refusal;
        return {};
    }
    refusal.clear();
    if (t.withSeconds && !secondsShown) refusal = U("Секунды в этом поле не ставятся: ") + typed;
    at.setTime(t.time);
    return at;
}

void TypedDateEdit::Refuse(const QString& why) {
    const QString kept = displayedSections() & DateSections_Mask ? U("Осталась прежняя дата: ")
                                                                 : U("Осталось прежнее время: ");
    const QString message = why + U(". ") + kept + text() + U(".");
    // A hint beside the field, as KDE's fields give, rather than a box to close.
    QToolTip::showText(mapToGlobal(QPoint(0, height())), message, this, rect(), 8000);
    emit typingRefused(message);
}
