// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The up-down of the azimuth box: whole degrees 0..360, wrapping at both ends (one step up from
// 360 gives 0, one step down from 0 gives 360).

// The azimuth `steps` steps from `azimuth` (0..360; a negative count steps down).
int StepAzimuth(int azimuth, int steps);
