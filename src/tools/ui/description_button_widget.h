// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small button of the tool windows that opens a description page, with its hint.
class QToolButton;
class QWidget;

QToolButton* DescriptionButton(const char* hint, QWidget* parent);
