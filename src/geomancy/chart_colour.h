// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as plain values: the phase colours of the legend and the table window, and the few the
// table window paints with (the windows map them to their palettes).
#include <optional>

#include "calendar/rgb.h"

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
// The colour of the phase "Расцвет", also used to outline the facing palace and the gate palaces.
constexpr Rgb kHighlight{0, 128, 255};

// A text colour; std::nullopt is the window's default text colour.
using TextColour = std::optional<Rgb>;
