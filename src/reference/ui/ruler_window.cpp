// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/ruler_window.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include "reference/geomantic_ruler.h"
#include "widgets/background_fill.h"

namespace {

constexpr int kClientWidth = 542;
// Below the ruler: the marker's overhang and a margin.
constexpr int kBelowRuler = 19;
constexpr int kRulerStripWidth = 434;
constexpr int kRulerHeight = 20;
constexpr int kMarkerHeight = 30;

}  // namespace

TFormLine::TFormLine(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Геомантическая линейка"), parent) {
    LabelVerdict = new QLabel(this);
    QFont bold = LabelVerdict->font();
    bold.setBold(true);
    LabelVerdict->setFont(bold);
    // Two lines over the ruler: a refusal ("… от 0 до 9999") is longer than the ruler is wide and
    // must be read whole; a verdict of one line sits just above the ruler.
    LabelVerdict->setWordWrap(true);
    LabelVerdict->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    const int verdictHeight = 2 * QFontMetrics(bold).lineSpacing() + 2;
    LabelVerdict->setGeometry(kRulerLeft, 4, kRulerStripWidth, verdictHeight);
    const int rulerTop = 4 + verdictHeight + 8;

    EditLength = new QLineEdit(QStringLiteral("0"), this);
    EditLength->setMaxLength(4);
    EditLength->setAlignment(Qt::AlignRight);
    EditLength->setGeometry(6, rulerTop - 2, 40, 24);
    EditLength->installEventFilter(this);

    UpDownLess = new QToolButton(this);
    UpDownLess->setArrowType(Qt::LeftArrow);
    UpDownLess->setAutoRepeat(true);
    UpDownLess->setGeometry(46, rulerTop - 2, 13, 24);
    UpDownMore = new QToolButton(this);
    UpDownMore->setArrowType(Qt::RightArrow);
    UpDownMore->setAutoRepeat(true);
    UpDownMore->setGeometry(59, rulerTop - 2, 13, 24);

    LabelUnit = new QLabel(QString::fromUtf8("мм"), this);
    LabelUnit->setGeometry(75, rulerTop - 2, 22, 24);

    Ruler = new QLabel(this);
    Ruler->setGeometry(kRulerLeft, rulerTop, kRulerStripWidth, kRulerHeight);
    Ruler->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap picture = LoadPicture(QStringLiteral("\\bmp\\line.bmp"));
    if (!picture.isNull()) Ruler->setPixmap(picture);

    Marker = new QFrame(this);
    FillBackground(*Marker, QColor(128, 0, 0));
    Marker->setGeometry(kRulerLeft, rulerTop - (kMarkerHeight - kRulerHeight) / 2, 1,
                        kMarkerHeight);
    Marker->raise();

    connect(EditLength, &QLineEdit::textChanged, this, &TFormLine::EditLengthChange);
    connect(UpDownLess, &QToolButton::clicked, this, [this] { UpDownClick(-1); });
    connect(UpDownMore, &QToolButton::clicked, this, [this] { UpDownClick(1); });

    setFixedSize(kClientWidth, rulerTop + kRulerHeight + kBelowRuler);
    OfferPictureExport();
}

void TFormLine::EditLengthChange() {
    const QString typed = EditLength->text();
    const RulerInput input = typed.isEmpty() ? RulerInput{} : RulerLengthOfText(typed);
    // A fraction or a negative length is refused where the user sees it: the field turns pink,
    // the verdict line says why, and the marker stays on the last length measured (never a
    // silent 5 for "43.5" or 0 for "-5").
    if (input.resetField) {
        EditLength->setStyleSheet(QStringLiteral("background-color: #ffc8d2;"));
        LabelVerdict->setText(
            QString::fromUtf8("«%1» не принято: длина — целое число миллиметров от 0 до 9999")
                .arg(typed));
        return;
    }
    EditLength->setStyleSheet(QString());
    if (typed.size() > 1 && typed.startsWith(QLatin1Char('+'))) {
        const QSignalBlocker blocker(EditLength);
        EditLength->setText(QString::number(input.length));  // "+20" is 20
    }
    const int n = IntToCoord(input.length);
    Marker->move(kRulerLeft + n, Marker->y());
    LabelVerdict->setText(QString::fromStdString(Interpritation(n)));
}

void TFormLine::UpDownClick(int delta) {
    const int from = RulerLengthOfText(EditLength->text()).length;
    EditLength->setText(QString::number(StepRulerLength(from, delta)));
}

bool TFormLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditLength && event->type() == QEvent::MouseButtonRelease)
        EditLength->selectAll();
    return ReferenceWindow::eventFilter(watched, event);
}
