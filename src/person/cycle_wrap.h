// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stepping round the stems (10) and branches (12), both numbered from 1.

// `value` brought into 1..count, any number of turns either way.
inline int WrapCycle(int value, int count) {
    return ((value - 1) % count + count) % count + 1;
}
inline int WrapStem(int value) {
    return WrapCycle(value, 10);
}
inline int WrapBranch(int value) {
    return WrapCycle(value, 12);
}
