// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a report window shows once its report has been built: the caption, the status panel and
// the paragraphs. Each kind of report provides a builder that the window calls when it is shown.
#include <functional>
#include <optional>
#include <string>

#include "interpretation/report_document.h"

struct ReportContent {
    std::string caption;                    // the window caption
    std::optional<std::string> statusText;  // the status panel; std::nullopt leaves it unchanged
    // The paragraphs of the report; the window puts the empty first paragraph of every report
    // above them.
    ReportDocument document;
    // Not empty when building stopped (a text file of the report could not be read): the window
    // reports it in the error box and shows no report.
    std::string error;
};

using ReportBuilder = std::function<ReportContent()>;
