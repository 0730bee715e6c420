// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_output.h"

#include "cli/json_writer.h"

namespace {

const char* KindName(ParagraphKind kind) {
    switch (kind) {
        case ParagraphKind::Blank: return "blank";
        case ParagraphKind::Empty: return "empty";
        case ParagraphKind::Text: break;
    }
    return "text";
}

}  // namespace

void PrintReport(const ReportDocument& report, bool json, std::ostream& out) {
    if (!json) {
        out << DescribeReport(report);
        return;
    }
    for (const ReportParagraph& p : report.Paragraphs()) {
        out << JsonObject()
                   .add("style", StyleName(p.style))
                   .add("kind", KindName(p.kind))
                   .add("text", p.text)
                   .str()
            << "\n";
    }
}
