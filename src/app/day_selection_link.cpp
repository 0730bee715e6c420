// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/day_selection_link.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "person/person_chart.h"
#include "person/person_file.h"
#include "text/gavrosin_error.h"
#include "tools/ui/day_selection_window.h"
#include "widgets/clock.h"

namespace {

// A person file as the choice of days needs it: the name and the year and day branches.
std::optional<PersonBranches> ReadPersonBranches(const QString& path, const TimeSettings& settings,
                                                 QString& error) {
    // A missing file would read as a person born now: say so instead.
    if (!QFileInfo(path).isFile()) {
        error = QString::fromUtf8("Файл не найден: ") + path;
        return std::nullopt;
    }
    try {
        const Person person = ReadPersonFile(path.toStdString(), Now(), settings);
        const PersonChart chart = CalculatePerson(person, QLocale()).chart;
        return PersonBranches{person.name, chart.year.branch, chart.day.branch};
    } catch (const GavrosinError& e) {  // a value that does not read, or the file itself
        error = QString::fromStdString(e.what());
    }
    return std::nullopt;
}

}  // namespace

TFormDaySelection* AddDaySelectionWindow(TFormMainGVR& main) {
    DaySelectionHost host;
    host.timeSettings = [&main] { return main.CurrentTimeSettings(); };
    host.currentMoment = [&main] { return main.PickerMoment(); };
    host.showMoment = [&main](Moment m) { main.SetMoment(m); };
    host.readPerson = [&main](const QString& path, QString& error) {
        return ReadPersonBranches(path, main.CurrentTimeSettings(), error);
    };
    auto* window = new TFormDaySelection(std::move(host), &main);
    main.Windows().Add(window, WindowSections::DaySelection, main.Layout());
    QAction* action = main.Commands().Action(Command::DaySelection);
    QObject::connect(action, &QAction::triggered, window, &TFormDaySelection::Present);
    action->setEnabled(true);
    return window;
}
