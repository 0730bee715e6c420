// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geomantic ruler: a length in millimetres folded onto a ruler of 432 millimetres divided into
// 32 segments, each with its fortune.
#include <QString>
#include <string>

constexpr int kRulerLength = 432;     // millimetres, drawn at one pixel per millimetre
constexpr int kRulerMaxInput = 9999;  // the edit field holds at most four digits

// The position on the ruler: 432 is subtracted while the length exceeds 432, so 432 stays 432,
// 433 becomes 1 and 864 becomes 432; 0 stays 0.
int IntToCoord(int length);

// The verdict of a ruler position 1..432 ("Финансовый успех" for 1..13, ... "Преуспевание" for
// 420..432); "" for 0 or any position off the ruler. The segments are 13 and 14 millimetres wide
// exactly as the table lists them.
std::string Interpritation(int position);

struct RulerInput {
    int length = 0;           // millimetres
    bool resetField = false;  // the text was not a number or was negative: the field becomes "0"
};

// The length typed into the edit field: an integer (an optional sign, then digits); anything else,
// and any negative number, counts as 0 and asks for the field to be reset to "0". A sign alone
// (a number being typed) counts as 0 without a reset.
RulerInput RulerLengthOfText(const QString& text);

// One click of the up-down control from `length`: +1 or −1, held within 0..9999 (no wrap-around).
int StepRulerLength(int length, int delta);
