#pragma once
// One computed geomantic table: the chart of the dwelling, the time layers of the calculation
// moment, the afflictions, and everything the table window paints (frames, colours, hints,
// visibility), so that the window only copies it into its controls. The interpretation reports
// read the same record.
#include <array>
#include <optional>
#include <string>

#include "calendar/vocabulary.h"
#include "geomancy/chart_colour.h"
#include "geomancy/palaces.h"
#include "geomancy/star_phase.h"

// A star cell coloured by its timeliness: the mountain, facing and base stars of a palace and the
// cells of the gate charts.
struct PhaseCell {
    std::optional<StarPhase> phase;  // under the current period
    Rgb colour = kBlack;             // PhaseColour of the phase; black without one
    std::string hint;                // the phase name; "" without one
};

struct PalaceCells {
    // The period chart (large digits): mountain star upper left, facing star upper right, base
    // star bottom centre.
    int mountain = 0;
    int facing = 0;
    int base = 0;
    // The time layers (small digits at the right, top to bottom).
    int year = 0;
    int month = 0;
    int day = 0;

    PhaseCell mountainLook, facingLook, baseLook;
    // Red for a 5 or 2 in an outer palace, black otherwise; the centre keeps the default colour.
    TextColour yearColour, monthColour, dayColour;
    Frame frame;
};

// One gate chart: a flight of the gate palace's base star over a small 3 x 3 grid.
struct GateChart {
    PalaceIndex palace = -1;  // the gate palace, -1 before the first computation
    PalaceStarArray stars{};  // by PalaceIndex; the centre holds the gate star itself
    std::array<PhaseCell, kPalaceCount> looks;
    std::array<Frame, kPalaceCount> frames;  // the gate palace's cell is outlined
};

// Side of the Three Killings: the top bar is south, the bottom north, left east, right west.
enum class KillingsDirection { South, North, East, West };

struct GeomanticTable {
    int azimuth = 0;               // facing azimuth as last computed, 0..360
    std::string facingMountain;    // caption of the facing mountain ("Вода:")
    std::string sittingMountain;   // caption of the sitting mountain ("Гора:")
    int currentPeriod = 0;         // period of the calculation moment (timeliness)
    int tablePeriod = 0;           // period of the table date (the chart)
    bool normalZone = true;        // chart by the flight rule (false: a replacement chart)

    // The time values of the calculation moment.
    int yearStar = 0, monthStar = 0, dayStar = 0;
    Branch yearBranch = 0, monthBranch = 0;
    std::string calculationDate;  // the calculation moment in the long date format

    std::array<PalaceCells, kPalaceCount> palaces;  // by PalaceIndex
    std::array<GateChart, 2> gates;                 // main gate, additional gate

    Branch taiSuiBranch = 0;                        // the shown Tai Sui marker; 0: none
    std::optional<PalaceIndex> flyingTaiSuiYear;    // "Летящий Тай Суй по году"
    std::optional<PalaceIndex> flyingTaiSuiMonth;   // "Темное установление"
    std::optional<KillingsDirection> shaYear;       // Three Killings of the year
    std::optional<KillingsDirection> shaMonth;      // Three Killings of the season

    std::string chartComment = "НЕТ.";  // the remark of a replacement chart
    std::string statusLine;
    std::string fileName;  // the table file, "" while there is none

    // What is shown: the chart cells, gate cells and palace buttons appear with the first
    // computation, together with the interpretation commands.
    bool cellsVisible = false;
    bool interpretEnabled = false;
    // Angle of the direction line of the compass picture: azimuth + 90, less 360 above 360.
    int compassLineAngle = 0;
};
