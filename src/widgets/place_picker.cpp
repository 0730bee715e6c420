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
#include <algorithm>

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
    Hint->setWordWrap(true);  // a reason no place is chosen wraps instead of widening the window
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

namespace {

// Why no place is selected for the user: the picker takes a place by itself only when the text
// surely names it, as the command line does.
QString DoubtText(PlaceDoubt doubt) {
    switch (doubt) {
        case PlaceDoubt::PartOfName:
            return QString::fromUtf8("это только часть названия: выберите место в списке");
        case PlaceDoubt::SeveralAlike:
            return QString::fromUtf8(
                "так называются несколько мест: выберите место в списке или уточните страну "
                "или регион после запятой");
        case PlaceDoubt::None:
        case PlaceDoubt::NoPlace: break;
    }
    return QString();
}

}  // namespace

void PlacePicker::Search(const QString& text) {
    const std::string typed = text.toStdString();
    const std::vector<PlaceHit> hits = table_.Find(typed, kPlaceListLimit);
    const PlaceVerdict verdict = table_.Judge(typed, hits);
    found_.clear();
    Results->clear();
    for (const PlaceHit& hit : hits) {
        found_.push_back(hit.index);
        Results->addItem(QString::fromStdString(PlaceCaption(table_.at(hit.index))));
    }
    // Only a sure place is chosen for the user; otherwise the arrows or the mouse choose.
    const auto sureRow =
        verdict.sure ? std::find(found_.begin(), found_.end(), verdict.sure->index) : found_.end();
    Results->setCurrentRow(sureRow == found_.end() ? -1 : int(sureRow - found_.begin()));
    if (text.trimmed().isEmpty()) {
        Hint->clear();
        return;
    }
    if (found_.empty()) {
        Hint->setText(QString::fromUtf8("Ничего не найдено"));
        return;
    }
    QString hint =
        QString::fromUtf8(found_.size() >= kPlaceListLimit ? "Первые %1 мест" : "Найдено мест: %1")
            .arg(found_.size());
    if (verdict.sure && verdict.otherName)
        hint +=
            QString::fromUtf8("; «%1» — это %2")
                .arg(text.trimmed(), QString::fromStdString(table_.at(verdict.sure->index).name));
    if (verdict.sure && !verdict.formerly.empty()) {
        QStringList others;
        for (const PlaceHit& hit : verdict.formerly)
            others << QString::fromStdString(table_.at(hit.index).name);
        hint += QString::fromUtf8("; %1: %2")
                    .arg(QString::fromStdString(FormerlyText(verdict.formerly.size())),
                         others.join(", "));
    } else if (!verdict.sure)
        hint += QString::fromUtf8("; ") + DoubtText(verdict.doubt);
    Hint->setText(hint);
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
