// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date and time fields of every window. They step, scroll and drop down a calendar as Qt's
// date editor does, section by section; what is typed into them is read as a whole when the
// field is left (Enter, Tab, a click elsewhere, a shortcut): a whole date or time in any usual
// form ("15.05.1990", "15051990", "15 мая 1990", "1990-05-15"; "0830", "8:30", "8 30"), or one
// number or month name alone for the section it was typed over ("15" over the day, "мая" over the
// month). Anything else is refused with a hint beside the field and the value stays as it was:
// a typed text never becomes a date nobody typed.
#include <QDateTimeEdit>

class TypedDateEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    // A field of a date and time (which parts it shows is its display format's choice).
    explicit TypedDateEdit(QWidget* parent = nullptr);
    bool event(QEvent* event) override;

signals:
    // Typed text was refused, for the reason given; the field kept its value.
    void typingRefused(const QString& message);

protected:
    TypedDateEdit(QTime time, QWidget* parent);  // a time-of-day field

    QValidator::State validate(QString& input, int& pos) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* event) override;
#endif

private:
    void Init();
    void BeginTyping();
    // Reads what was typed into the value; false when it was refused (the value stays).
    bool FinishTyping();
    // What the typed text makes of the value; invalid with `refusal` set when it makes nothing.
    QDateTime ReadTyped(const QString& typed, QString& refusal) const;
    QDateTime WithSection(const QString& typed, QString& refusal, bool& read) const;
    void Show(const QDateTime& value);
    void Refuse(const QString& why);
    void Forward(QObject* receiver, QEvent* event);

    bool typing_ = false;            // the field holds typed text, not yet read
    Section typedOver_ = NoSection;  // the section the typing began in
    int swallowedKey_ = 0;           // a refused Enter (or shortcut) that must go no further
};

// The time-of-day fields: the same reading of what is typed.
class TypedTimeEdit : public TypedDateEdit {
    Q_OBJECT
public:
    explicit TypedTimeEdit(QWidget* parent = nullptr);
    explicit TypedTimeEdit(QTime time, QWidget* parent = nullptr);
};
