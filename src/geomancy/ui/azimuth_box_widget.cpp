#include "geomancy/ui/azimuth_box_widget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

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
    EditAz->setMaxLength(3);
    EditAz->setAlignment(Qt::AlignRight);
    EditAz->setFixedWidth(EditAz->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10);
    EditAz->installEventFilter(this);
    defaultText_ = EditAz->palette().color(QPalette::Text);

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

QString TAzimuthBox::Text() const { return EditAz->text(); }

void TAzimuthBox::Step(int steps) {
    SetText(QString::number(StepAzimuth(box_.azimuth, steps)));
}

void TAzimuthBox::EditAzChange(const QString& text) {
    const AzimuthBox box = CheckAzimuthText(text.toStdString());
    const QString shown = QString::fromStdString(box.text);
    if (shown != text) {
        // The replacement text comes back through this handler and is reported from there.
        EditAz->setText(shown);
        EditAz->selectAll();
        return;
    }
    box_ = box;
    QPalette colours = EditAz->palette();
    colours.setColor(QPalette::Text, ScreenColour(AzimuthColour(box.normalZone), defaultText_));
    EditAz->setPalette(colours);
    emit changed(box_);
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
