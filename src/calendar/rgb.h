// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour as a plain value, 0..255 a channel: what the engines give for the windows to paint with
// (element squares, star phases, the table window's few colours).

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};
