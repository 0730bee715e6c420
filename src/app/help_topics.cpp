// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_topics.h"

#include <QWidget>
#include <cstring>

namespace {

struct Topic {
    const char* windowClass;
    const char* page;
};

// The windows by their class, the pages as help/gavrosin.qhp lists them.
constexpr Topic kTopics[] = {
    {"TFormMainGVR", "main.html"},
    {"TFormSettings", "settings.html"},
    {"TFormCalendar", "calendar.html"},
    {"TFormCircle", "circle.html"},
    {"TFormSeasoneList", "seasons.html"},
    {"TFormGoodDay", "good_days.html"},
    {"TFormConstell", "mansions.html"},
    {"TFormCzPin", "relations.html"},
    {"TFormLine", "ruler.html"},
    {"TFormBCShema", "ba_zhai.html"},
    {"TFormCombo", "combinations.html"},
    {"TFormGua", "trigrams.html"},
    {"TFormNote", "notes.html"},
    {"TFormDaySelection", "day_selection.html"},
    {"TFormPower", "power.html"},
    {"TFormPeople", "person.html"},
    {"TFormFh", "table.html"},
    {"TFormFHInter", "report.html"},
    {"TFormText", "viewer.html"},
    {"TFormLegenda", "legend.html"},
    {"TFormTable7", "compass.html"},
    {"TFormVV", "lo_shu.html"},
    {"TFormTable2", "stem_branch_table.html"},
    {"TFormTable4", "stem_branch_diagram.html"},
    {"TFormTable5", "wu_xing.html"},
    {"TFormTable6", "analogies.html"},
    {"TFormTable9", "organs.html"},
    {"PlacePicker", "places.html"},
};

}  // namespace

QString HelpPageOfWindow(const QWidget& window) {
    const char* name = window.metaObject()->className();
    for (const Topic& t : kTopics)
        if (std::strcmp(t.windowClass, name) == 0) return QString::fromLatin1(t.page);
    return QString();
}
