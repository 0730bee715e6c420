// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings store (the registry key "Software\Gavrosin" on Windows, an INI file under the
// user's configuration folder elsewhere) and, in one place, every section, value name and
// default kept in it: the time settings, the version and the geometry of every window.
#include <QSettings>
#include <QString>
#include <QVariant>
#include <array>
#include <memory>

#include "widgets/window_cascade.h"
#include "widgets/window_geometry.h"

// Writes the store when it is let go and checks that it was written (app/settings_backup.h): a
// full disk never costs the settings file.
struct SettingsCloser {
    void operator()(QSettings* store) const;
};
using SettingsStore = std::unique_ptr<QSettings, SettingsCloser>;

// Opens the per-user store of the organisation "Gavrosin". At the first opening of a run, a
// settings file found empty or unreadable is restored from its copy.
SettingsStore OpenSettingsStore();

// ----------------------------------------------------------------------------- plain values

struct SettingKey {
    const char* section;
    const char* name;
    const char* defaultText;  // the default as the store would hold it
};

namespace Setting {
inline constexpr SettingKey ZoneIndex{"Pref", "GMT", "16"};              // list index in ZoneTable
inline constexpr SettingKey SummerHours{"Pref", "Letnee", "0"};          // up-down position, hours
inline constexpr SettingKey SummerHoursText{"Pref", "LetneeEdit", "0"};  // the edit's text
inline constexpr SettingKey LongitudeOn{"Pref", "CheckSh", "false"};  // "Учитывать долготу:"
inline constexpr SettingKey Longitude{"Pref", "Dolgota", "37"};  // degrees, into the up-down
inline constexpr SettingKey LongitudeText{"Pref", "DolgotaEdit", "37"};  // degrees, into the edit
inline constexpr SettingKey Version{"Main", "Version", ""};              // "Версия 4.12"
// Not among the program's original values: keys of their own, which older versions ignore.
// An exact zone offset outside the list, seconds east of GMT; over "GMT" (which then holds the
// nearest list index) when present.
inline constexpr SettingKey ZoneSeconds{"Pref", "GMTSeconds", ""};
inline constexpr SettingKey HomePlace{"Pref", "HomePlace", ""};  // "Москва, Россия"
// The home place's exact longitude, arc-seconds east, beside the whole degrees of "Dolgota".
inline constexpr SettingKey LongitudeArcseconds{"Pref", "DolgotaSeconds", ""};
inline constexpr SettingKey HomeTimeZoneId{"Pref", "HomeTimeZoneId", ""};  // "Europe/Moscow"
// The main window follows the summer-time changes of the home place as its date moves.
inline constexpr SettingKey FollowHomeSummerTime{"Pref", "FollowSummerTime", "false"};
// "Учитывать ΔT": instants converted from dynamical to universal time (astro/delta_t); off
// reproduces the charts of the formula as first written.
inline constexpr SettingKey DeltaTOn{"Pref", "DeltaT", "true"};
// The names of the commands under the pictograms of the main window's toolbar.
inline constexpr SettingKey ToolbarCaptions{"Pref", "ToolbarCaptions", "false"};
}  // namespace Setting

// Integer value; the default when the value is absent or not an integer.
int ReadInt(const QSettings& store, const SettingKey& key);
bool ReadBool(const QSettings& store, const SettingKey& key);
QString ReadText(const QSettings& store, const SettingKey& key);
void Write(QSettings& store, const SettingKey& key, const QVariant& value);
// Takes the value out of the store (an optional key that has nothing to say).
void Remove(QSettings& store, const SettingKey& key);

// ----------------------------------------------------------------------------- window geometry
// The section of every window (the kinds of value are in widgets/window_geometry.h).

namespace WindowSections {
inline constexpr Coordinate kCentred{Placement::Centred, 0};
inline constexpr Coordinate kBelowMenu{Placement::BelowMainMenu, 0};
inline constexpr Coordinate kNone{};
constexpr Coordinate Fixed(int v) {
    return {Placement::Fixed, v};
}

inline constexpr WindowSection Calendar{"Calendar", Fixed(1),          kBelowMenu, Fixed(503),
                                        Fixed(214), Visibility::Shown, true};
inline constexpr WindowSection Circle{"Circle",   Fixed(218),        kBelowMenu, Fixed(503),
                                      Fixed(573), Visibility::Shown, true};
inline constexpr WindowSection Notes{
    "note", kCentred, kCentred, Fixed(222), Fixed(315), Visibility::Hidden, false, 0, false};
inline constexpr WindowSection Seasons{"Seasone",  {Placement::RightEdge, 0},
                                       kBelowMenu, {Placement::MainClientMinus, 80},
                                       Fixed(290), Visibility::Hidden};
inline constexpr WindowSection GeomanticTable{"FH",  kCentred, kBelowMenu,
                                              kNone, kNone,    Visibility::Hidden};
inline constexpr WindowSection Person{"People", kCentred, kBelowMenu,
                                      kNone,    kNone,    Visibility::Hidden};
inline constexpr WindowSection GoodDays{"GoonDay",  kCentred,           kCentred, Fixed(279),
                                        Fixed(509), Visibility::Hidden, false,    -2};
// One cascade step from the good days, which share its size: opened together, both are in sight.
inline constexpr Coordinate kCentredNext{Placement::Centred, kCascadeStep};
inline constexpr WindowSection Mansions{"Constell", kCentredNext,       kCentredNext, Fixed(279),
                                        Fixed(509), Visibility::Hidden, false,        -2};
inline constexpr WindowSection Relations{"CzPin", kCentred, kCentred,
                                         kNone,   kNone,    Visibility::Hidden};
inline constexpr WindowSection YinYangPower{"Power", kCentred, kCentred,
                                            kNone,   kNone,    Visibility::Hidden};
inline constexpr WindowSection StarCombinations{
    "Combo", kCentred, kCentred, kNone, kNone, Visibility::Hidden, false, 0, false};
inline constexpr WindowSection LoShu{"LoShu", kCentred, kCentred, kNone, kNone, Visibility::Hidden};
inline constexpr WindowSection BaZhaiScheme{"BCShema", kCentred, kCentred,
                                            kNone,     kNone,    Visibility::Hidden};
inline constexpr WindowSection Trigrams{"Gua", kCentred, kCentred,
                                        kNone, kNone,    Visibility::Hidden};
inline constexpr WindowSection StemBranchTable{"Table2",   kCentred,   kCentred,
                                               Fixed(411), Fixed(439), Visibility::Hidden};
inline constexpr WindowSection StemBranchDiagram{"Table4", kCentred, kCentred,
                                                 kNone,    kNone,    Visibility::Hidden};
inline constexpr WindowSection FiveElementDiagram{"Table5", kCentred, kCentred,
                                                  kNone,    kNone,    Visibility::Hidden};
// As wide as the table needs where the face is wider than the design's 459.
inline constexpr WindowSection FiveElementAnalogies{
    "Table6", kCentred, kCentred, Fixed(207), {Placement::AtLeastLaidOut, 459}, Visibility::Hidden};
inline constexpr WindowSection Compass{"Table7",   kCentred,   kCentred,
                                       Fixed(300), Fixed(300), Visibility::NotStored};
inline constexpr WindowSection OrgansMeridians{"Table9",   kCentred,   kCentred,
                                               Fixed(411), Fixed(451), Visibility::Hidden};
inline constexpr WindowSection Ruler{"Table8", kCentred, kCentred,
                                     kNone,    kNone,    Visibility::Hidden};

// Not among the program's original windows: a key of its own, which older versions ignore.
// Below the main window's toolbars (never over its date and time pickers), as tall as the room
// there allows.
inline constexpr WindowSection DaySelection{"DaySelect", kCentred,           kBelowMenu, Fixed(620),
                                            Fixed(1040), Visibility::Hidden, true};

inline constexpr std::array<const WindowSection*, 22> All{&Calendar,
                                                          &Circle,
                                                          &Notes,
                                                          &Seasons,
                                                          &GeomanticTable,
                                                          &Person,
                                                          &GoodDays,
                                                          &Mansions,
                                                          &Relations,
                                                          &YinYangPower,
                                                          &StarCombinations,
                                                          &LoShu,
                                                          &BaZhaiScheme,
                                                          &Trigrams,
                                                          &StemBranchTable,
                                                          &StemBranchDiagram,
                                                          &FiveElementDiagram,
                                                          &FiveElementAnalogies,
                                                          &Compass,
                                                          &OrgansMeridians,
                                                          &Ruler,
                                                          &DaySelection};
}  // namespace WindowSections
