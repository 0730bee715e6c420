// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/azimuth_box_widget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>

#include "geomancy/azimuth_step.h"
#include "geomancy/ui/table_drawing_widget.h"

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(16, 11);
    return b;
}

}  // namespace

TAzimuthBox::TAzimuthBox(QWidget* parent) : QWidget(parent) {
    EditAz = new QLineEdit(QStringLiteral("0"), this);
    EditAz->setMaxLength(5);  // "187,5"
    EditAz->setAlignment(Qt::AlignRight);
    EditAz->setFixedWidth(EditAz->fontMetrics().horizontalAdvance(QStringLiteral("000,00")) + 10);
    EditAz->installEventFilter(this);
    defaultText_ = EditAz->palette().color(QPalette::Text);
    defaultBase_ = EditAz->palette().color(QPalette::Base);

    UpButton = ArrowButton(Qt::UpArrow, this);
    DownButton = ArrowButton(Qt::DownArrow, this);
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(UpButton);
    arrows->addWidget(DownButton);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(EditAz);
    row->addLayout(arrows);

    box_ = CheckAzimuthText("0");
    connect(EditAz, &QLineEdit::textChanged, this, &TAzimuthBox::EditAzChange);
    connect(UpButton, &QToolButton::clicked, this, [this] { Step(1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TAzimuthBox::SetText(const QString& text) {
    if (EditAz->text() == text)
        EditAzChange(text);
    else
        EditAz->setText(text);
}

QString TAzimuthBox::Text() const {
    return EditAz->text();
}

void TAzimuthBox::Step(int steps) {
    const double a = box_.azimuth;
    const int whole = static_cast<int>(std::floor(a));
    if (a != whole && steps != 0) {
        SetText(QString::number(steps > 0 ? whole + 1 : whole));
        steps -= steps > 0 ? 1 : -1;
        if (steps == 0) return;
    }
    SetText(QString::number(StepAzimuth(static_cast<int>(std::lround(box_.azimuth)), steps)));
}

void TAzimuthBox::EditAzChange(const QString& text) {
    const AzimuthBox box = CheckAzimuthText(text.toStdString());
    if (!box.hint.empty()) {
        // Never read as another azimuth: the text stays for the user to mend, the chart keeps
        // the last azimuth read.
        box_.text = box.text;
        box_.hint = box.hint;
        ShowMarks();
        if (EditAz->hasFocus() && EditAz->isVisible())
            QToolTip::showText(EditAz->mapToGlobal(QPoint(0, EditAz->height())),
                               QString::fromStdString(box.hint), EditAz);
        emit changed(box_);
        return;
    }
    box_ = box;
    ShowMarks();
    emit changed(box_);
}

void TAzimuthBox::MarkNotComputed(const QString& why) {
    if (why == notComputed_) return;
    notComputed_ = why;
    ShowMarks();
}

void TAzimuthBox::ShowMarks() {
    QPalette colours = EditAz->palette();
    QString tip;
    if (!box_.hint.empty()) {
        colours.setColor(QPalette::Base, QColor(255, 220, 220));
        tip = QString::fromStdString(box_.hint);
    } else {
        colours.setColor(QPalette::Base,
                         notComputed_.isEmpty() ? defaultBase_ : QColor(255, 244, 190));
        colours.setColor(QPalette::Text,
                         ScreenColour(AzimuthColour(box_.normalZone), defaultText_));
        tip = notComputed_;
    }
    EditAz->setPalette(colours);
    if (EditAz->toolTip() != tip) {
        if (tip.isEmpty()) QToolTip::hideText();
        EditAz->setToolTip(tip);
    }
}

bool TAzimuthBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditAz) {
        if (event->type() == QEvent::MouseButtonRelease) {
            EditAz->selectAll();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                Step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
