// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's ".gvp" file: open, save, save as, clear and the close query, through the
// document-file flow the document windows share (widgets/document_file.h).
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>

#include "person/person_file.h"
#include "person/ui/people_window.h"
#include "text/gavrosin_error.h"
#include "widgets/clock.h"
#include "widgets/error_box.h"

bool TFormPeople::SaveAsClick() {
    // The caption is proposed as the name.
    return document_.SaveAs();
}

bool TFormPeople::SaveClick() {
    return document_.Save();
}

void TFormPeople::OpenClick() {
    if (!document_.MayDiscard()) return;
    const QString path = document_.AskOpenName();
    if (!path.isEmpty()) LoadFile(path);
}

bool TFormPeople::LoadFile(const QString& path) {
    Person person;
    std::string warning;
    try {
        const TimeSettings settings = host_.timeSettings ? host_.timeSettings() : TimeSettings();
        person = ReadPersonFile(path.toStdString(), Now(), settings, &warning);
    } catch (const GavrosinError& e) {  // a value that does not read, or the file itself
        ShowErrorBox(this, QString::fromStdString(e.what()));
        return false;
    }
    // The name box holds so many characters and cuts the rest: a longer name is refused rather
    // than opened cut and saved so.
    if (QString::fromStdString(person.name).size() > EditNamePeople->maxLength()) {
        ShowErrorBox(this, QStringLiteral("Файл «%1» не открыт: имя в нем длиннее %2 знаков, "
                                          "окно не вместит его целиком.")
                               .arg(QDir::toNativeSeparators(path),
                                    QLocale().toString(EditNamePeople->maxLength())));
        return false;
    }
    ShowPerson(person);
    document_.Opened(path);
    Raschet();
    if (!warning.empty())
        ShowErrorBox(this, QStringLiteral("Файл «%1»: %2")
                               .arg(QFileInfo(path).fileName(), QString::fromStdString(warning)));
    return true;
}

bool TFormPeople::OpenCommandLineFile(const QString& argument) {
    if (!IsPersonFileName(argument.toStdString())) return false;
    // Shown first, as showing starts a new person; a file that does not open (missing, damaged)
    // leaves no empty window behind, only the message.
    const bool wasShown = isVisible();
    show();
    raise();
    if (LoadFile(QFileInfo(argument).absoluteFilePath())) return true;
    if (!wasShown) hide();
    return false;
}

void TFormPeople::ClearClick() {
    if (document_.MayDiscard()) Reset();
}

bool TFormPeople::CloseQuery() {
    return document_.MayDiscard();
}
