// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the geomantic table window shows of its computed table, made from the facts of the record:
// whether the chart is on screen, the frames of the cells, the colours and hints of the digits and
// the markers on show. The chart and gate controls paint through it; it computes no astrology.
#include <optional>
#include <string>

#include "geomancy/chart_colour.h"
#include "geomancy/geomantic_table.h"

// The outline of a palace or gate cell.
struct Frame {
    Rgb colour = kBlack;
    int width = 1;  // pixels
    bool operator==(const Frame& o) const { return colour == o.colour && width == o.width; }
};

// The window's table and whether it is on screen. A computation shows it; closing the window hides
// the chart cells, the palace buttons, the markers and the frames (VisibleFalse, UnColorRegt), and
// keeps the facts.
class TablePresentation {
public:
    // `table` must outlive the presentation; it is read as it stands at every call.
    explicit TablePresentation(const GeomanticTable& table) : table_(table) {}

    const GeomanticTable& Table() const { return table_; }
    bool Shown() const { return shown_; }
    void SetShown(bool shown) { shown_ = shown; }

    // The interpretation commands are available while the table is shown.
    bool InterpretEnabled() const { return shown_; }

    // The markers on show: the table's own while it is shown, none while hidden.
    Branch TaiSuiMarker() const;  // 0: none
    std::optional<PalaceIndex> FlyingTaiSuiYear() const;
    std::optional<PalaceIndex> FlyingTaiSuiMonth() const;
    std::optional<KillingsDirection> ShaYear() const;
    std::optional<KillingsDirection> ShaMonth() const;

    // Frames while shown: the facing palace 3 px in the highlight colour, the sitting palace 3 px
    // black, the gate palace's cell of each gate chart 2 px highlighted; every other cell, and
    // every cell while hidden, a plain 1 px black outline (UnColorRegt).
    Frame PalaceFrame(PalaceIndex palace) const;
    Frame GateFrame(int gate, PalaceIndex cell) const;

private:
    const GeomanticTable& table_;
    bool shown_ = false;
};

// Text colour of the azimuth box: the default in the normal zone of a mountain, red in its outer
// degrees (a replacement chart).
TextColour AzimuthColour(bool normalZone);

// Colour of a chart or gate digit: the colour of its phase, black without one (Colors_Label).
Rgb PhaseDigitColour(std::optional<StarPhase> phase);
// Hint of a chart or gate digit: the phase name, "" without one (HintForStars).
std::string PhaseHint(std::optional<StarPhase> phase);
// Colour of a year, month or day digit: red for a 5 or 2 in an outer palace, black for the other
// outer digits; the window's default text colour (std::nullopt) in the centre (Wu_Sha).
TextColour TimeDigitColour(PalaceIndex palace, int star);
