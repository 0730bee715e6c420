// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unsaved-changes question of the windows that keep a file (person, geomantic table):
// a warning box "Сохранить изменения в файле <caption>?" with Yes, No and Cancel.
#include <QString>
#include <functional>

class QWidget;

enum class SaveChangesAnswer { Save, Discard, Cancel };

// Asks the question over `parent`. Tests replace the asker to answer without a box.
SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& caption);
void SetSaveChangesAsker(std::function<SaveChangesAnswer(QWidget*, const QString&)> asker);

// The question's text for a window caption.
QString SaveChangesText(const QString& caption);
