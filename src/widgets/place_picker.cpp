// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/place_picker.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/error_box.h"
#include "widgets/program_folder.h"

PlacePicker::PlacePicker(const PlaceTable& table, const QString& title, QWidget* parent)
    : QDialog(parent), table_(table) {
    setWindowTitle(title);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setPlaceholderText(
        QString::fromUtf8("Город или населенный пункт (по-русски или латиницей)"));
    SearchEdit->setClearButtonEnabled(true);
    SearchEdit->installEventFilter(this);
    Results = new QListWidget(this);
    Hint = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Отмена"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);

    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(QString::fromUtf8("Найти место:"), this));
    page->addWidget(SearchEdit);
    page->addWidget(Results, 1);
    page->addWidget(Hint);
    page->addWidget(buttons);
    // Wide enough for a long caption: "Санкт-Петербург, Россия (59.94° с.ш., 30.31° в.д.)".
    resize(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 70, 420);

    connect(SearchEdit, &QLineEdit::textChanged, this, &PlacePicker::Search);
    connect(Results, &QListWidget::currentRowChanged, this,
            [ok](int row) { ok->setEnabled(row >= 0); });
    connect(Results, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SearchEdit->setFocus();
}

void PlacePicker::Search(const QString& text) {
    found_ = table_.Search(text.toStdString(), kPlacePickerLimit);
    Results->clear();
    for (std::size_t index : found_)
        Results->addItem(QString::fromStdString(PlaceCaption(table_.at(index))));
    if (!found_.empty()) Results->setCurrentRow(0);
    if (text.trimmed().isEmpty()) {
        Hint->clear();
    } else if (found_.empty()) {
        Hint->setText(QString::fromUtf8("Ничего не найдено"));
    } else {
        Hint->setText(QString::fromUtf8(found_.size() >= kPlacePickerLimit ? "Первые %1 мест"
                                                                           : "Найдено мест: %1")
                          .arg(found_.size()));
    }
}

std::optional<Place> PlacePicker::SelectedPlace() const {
    const int row = Results->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= found_.size()) return std::nullopt;
    return table_.at(found_[static_cast<std::size_t>(row)]);
}

bool PlacePicker::eventFilter(QObject* watched, QEvent* event) {
    // The keyboard stays in the field: Up, Down and the page keys move through the results.
    if (watched == SearchEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(Results, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<Place> AskPlace(QWidget* parent, const QString& title) {
    QString error;
    const PlaceTable* table =
        PlaceTable::Shared(DataPath(QStringLiteral("\\places.tsv.z")), &error);
    if (!table) {
        ShowErrorBox(parent, error);
        return std::nullopt;
    }
    PlacePicker picker(*table, title, parent);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.SelectedPlace();
}
