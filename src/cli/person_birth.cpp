// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/person_birth.h"
#include "text/utf8.h"

bool ParseSex(const std::string& text) {
    if (text == "m") return true;
    if (text == "f") return false;
    throw CliError("--sex: ожидается m или f, указано \"" + QuotedBack(text) + "\"");
}

Person PersonBornAt(Moment birth, bool male, const MomentZone& zone) {
    Person p = ClearedPerson(birth, zone.At(birth));
    p.male = male;
    if (zone.place()) p.place = PlaceCaption(*zone.place());
    p.timeZoneId = zone.timeZone();
    return p;
}
