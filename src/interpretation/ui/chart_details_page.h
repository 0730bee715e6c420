// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page of the full birth chart in the person's client document: the pillars with their
// gods, hidden stems, stages and void, the conception pillar and the palaces, the symbolic stars,
// small luck and the nine luck pillars — one page, in Russian with the Chinese characters.
#include <QTextDocument>

#include "person/chart_details.h"

// Appends the page to `text`, starting it on a new page when `text` already has something.
void AppendChartDetailsPage(QTextDocument& text, const ChartDetails& details);
