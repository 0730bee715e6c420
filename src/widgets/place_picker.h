// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The place picker: a search field over the whole place table (Russian or Latin, accents and ё/е
// ignored) with the best matches below it, searched again at every keystroke. Up and Down move
// through the results from the field, Enter takes the selected place, Escape cancels.
#include <QDialog>
#include <optional>
#include <vector>

#include "astro/place_table.h"

class QLabel;
class QLineEdit;
class QListWidget;

class PlacePicker : public QDialog {
    Q_OBJECT
public:
    PlacePicker(const PlaceTable& table, const QString& title, QWidget* parent = nullptr);

    QLineEdit* SearchEdit;
    QListWidget* Results;
    QLabel* Hint;  // the number of matches, or that nothing matches

    // The place selected in the results, nullopt when none is.
    std::optional<Place> SelectedPlace() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);

    const PlaceTable& table_;
    std::vector<std::size_t> found_;
};

// Loads the place table of the data folder at the first call (an error box when it cannot be
// read) and asks for a place; nullopt when the user cancels or the table is missing.
std::optional<Place> AskPlace(QWidget* parent, const QString& title);
