// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/page_breaks.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

// Lines that only touch do not overlap: the layout's fixed-point positions round.
constexpr double kTouch = 0.01;
// A heading or a picture stays on its page with this many lines of text after it.
constexpr int kLinesAfterHeading = 2;
// A cut that parts a heading from its lines is taken rather than leave more than this share of a
// page empty (when the heading with what it holds is itself about a page long).
constexpr double kMostEmptyShare = 2.0 / 3.0;

struct Band {
    double top = 0;
    double bottom = 0;
    bool Holds(double y) const { return y > top + kTouch && y < bottom - kTouch; }
};

// Lines on the long sheet that overlap, as one band: a row of a table, or a line of text.
struct Segment {
    Band band;
    bool visible = false;  // holds text or a picture, not only blanks
    bool heading = false;  // all a heading's
};

enum class Cut { ThroughRow, AfterHeading, Free };  // worst to best

bool HasText(const QTextBlock& block) {
    return !block.text().trimmed().isEmpty();
}

// Whether a line of the block is a heading's: all its text in bold (the reports' titles, the
// bold captions that open a paragraph of the pages), or a picture.
bool HeadingLine(const QTextBlock& block, const QTextLine& line) {
    const int from = line.textStart();
    const int to = from + line.textLength();
    if (block.text().mid(from, to - from).contains(QChar::ObjectReplacementCharacter)) return true;
    if (block.blockFormat().headingLevel() > 0) return true;
    bool text = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (!f.isValid()) continue;
        const int start = f.position() - block.position();
        const int a = std::max(from, start);
        const int b = std::min(to, start + f.length());
        if (a >= b || f.text().mid(a - start, b - a).trimmed().isEmpty()) continue;
        if (f.charFormat().fontWeight() < QFont::DemiBold) return false;
        text = true;
    }
    return text;
}

// What the layout says of the text: its lines, the rows and headings to keep whole, the tables'
// frames and the breaks the paragraphs ask for.
struct Sheet {
    std::vector<Segment> segments;  // top to bottom, apart
    std::vector<Band> rows;
    std::vector<Band> headings;  // the heading's own lines
    std::vector<Band> tables;
    std::vector<double> forced;
    double end = 0;
};

Sheet ReadSheet(const QTextDocument& text) {
    QAbstractTextDocumentLayout* layout = text.documentLayout();
    layout->documentSize();  // the whole text laid out, not only what was asked for so far
    Sheet sheet;
    std::vector<Segment> lines;
    std::map<std::pair<const QTextTable*, int>, Band> rows;
    std::set<QTextTable*> tables;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* laid = block.layout();
        if (!block.isVisible() || !laid || laid->lineCount() == 0) continue;
        const double origin = layout->blockBoundingRect(block).top() - laid->boundingRect().top();
        const QTextLine last = laid->lineAt(laid->lineCount() - 1);
        const Band whole{origin + laid->lineAt(0).y(), origin + last.y() + last.height()};
        bool heading = HasText(block);
        for (int i = 0; i < laid->lineCount(); ++i) {
            const QTextLine line = laid->lineAt(i);
            const Band band{origin + line.y(), origin + line.y() + line.height()};
            // The heading lines that open the paragraph, as one band.
            heading = heading && HeadingLine(block, line);
            lines.push_back({band, HasText(block), heading});
            if (!heading) continue;
            if (i == 0)
                sheet.headings.push_back(band);
            else
                sheet.headings.back().bottom = band.bottom;
        }
        const auto policy = block.blockFormat().pageBreakPolicy();
        if (policy & QTextFormat::PageBreak_AlwaysBefore) sheet.forced.push_back(whole.top);
        if (policy & QTextFormat::PageBreak_AlwaysAfter) sheet.forced.push_back(whole.bottom);
        if (QTextTable* table = QTextCursor(block).currentTable()) {
            tables.insert(table);
            const auto key = std::make_pair(table, table->cellAt(block.position()).row());
            const auto found = rows.find(key);
            if (found == rows.end()) {
                rows.emplace(key, whole);
            } else {
                found->second.top = std::min(found->second.top, whole.top);
                found->second.bottom = std::max(found->second.bottom, whole.bottom);
            }
        }
    }
    for (const auto& row : rows) sheet.rows.push_back(row.second);
    for (QTextTable* table : tables) {
        const QRectF frame = layout->frameBoundingRect(table);
        sheet.tables.push_back({frame.top(), frame.bottom()});
        sheet.end = std::max(sheet.end, frame.bottom());
        const auto policy = table->format().pageBreakPolicy();
        if (policy & QTextFormat::PageBreak_AlwaysBefore) sheet.forced.push_back(frame.top());
        if (policy & QTextFormat::PageBreak_AlwaysAfter) sheet.forced.push_back(frame.bottom());
    }
    std::sort(lines.begin(), lines.end(),
              [](const Segment& a, const Segment& b) { return a.band.top < b.band.top; });
    for (const Segment& line : lines) {
        if (!sheet.segments.empty() && line.band.top < sheet.segments.back().band.bottom - kTouch) {
            Segment& s = sheet.segments.back();
            s.band.bottom = std::max(s.band.bottom, line.band.bottom);
            s.visible = s.visible || line.visible;
            s.heading = s.heading && line.heading;
        } else {
            sheet.segments.push_back(line);
        }
    }
    // Blank paragraphs at the end make no page of their own.
    for (const Segment& s : sheet.segments)
        if (s.visible) sheet.end = std::max(sheet.end, s.band.bottom);
    std::sort(sheet.forced.begin(), sheet.forced.end());
    return sheet;
}

// A heading's band stretched over the first lines of the text under it: a heading right under
// it comes along (and keeps its own lines), the next heading after that text does not.
Band KeptWithHeading(const Band& heading, const std::vector<Segment>& segments) {
    Band kept = heading;
    int following = 0;
    for (const Segment& s : segments) {
        if (s.band.top < heading.bottom - kTouch || !s.visible) continue;
        if (s.heading && following > 0) break;
        kept.bottom = std::max(kept.bottom, s.band.bottom);
        if (!s.heading && ++following == kLinesAfterHeading) break;
    }
    return kept;
}

// Where a page may end between two segments: halfway, so that a row's borders go with their row;
// a table's frame whose edge lies between them stays whole with its table.
double CutBetween(const Band& above, const Band& below, const std::vector<Band>& tables) {
    double y = (above.bottom + below.top) / 2;
    for (const Band& t : tables) {
        if (t.bottom > above.bottom && t.bottom < below.top) y = std::max(y, t.bottom);
        if (t.top > above.bottom && t.top < below.top) y = std::min(y, t.top);
    }
    return y;
}

struct Candidate {
    double y;
    Cut quality;
};

std::vector<Candidate> Candidates(const Sheet& sheet) {
    std::vector<Band> kept;
    for (const Band& h : sheet.headings) kept.push_back(KeptWithHeading(h, sheet.segments));
    std::vector<Candidate> cuts;
    for (std::size_t i = 1; i < sheet.segments.size(); ++i) {
        const double y =
            CutBetween(sheet.segments[i - 1].band, sheet.segments[i].band, sheet.tables);
        Cut quality = Cut::Free;
        if (std::any_of(kept.begin(), kept.end(), [y](const Band& b) { return b.Holds(y); }))
            quality = Cut::AfterHeading;
        if (std::any_of(sheet.rows.begin(), sheet.rows.end(),
                        [y](const Band& b) { return b.Holds(y); }))
            quality = Cut::ThroughRow;
        cuts.push_back({y, quality});
    }
    return cuts;
}

// The best end of a page that starts at `top` and may reach `limit`: the lowest free cut; the
// lowest cut after a heading when the free one would leave most of the page empty; through a row
// only when nothing else is there; the limit itself when no line ends before it.
double BestCut(const std::vector<Candidate>& cuts, double top, double limit) {
    const Candidate* best = nullptr;
    const Candidate* lowestKeepingRows = nullptr;
    for (const Candidate& c : cuts) {
        if (c.y <= top + kTouch || c.y > limit + kTouch) continue;
        if (!best || c.quality > best->quality || (c.quality == best->quality && c.y > best->y))
            best = &c;
        if (c.quality != Cut::ThroughRow) lowestKeepingRows = &c;
    }
    if (!best) return limit;
    if (best->quality == Cut::Free && lowestKeepingRows &&
        best->y - top < (limit - top) * (1 - kMostEmptyShare))
        return lowestKeepingRows->y;
    return best->y;
}

bool HasTextWithin(const Sheet& sheet, double top, double bottom) {
    return std::any_of(sheet.segments.begin(), sheet.segments.end(), [&](const Segment& s) {
        return s.visible && s.band.top >= top - kTouch && s.band.bottom <= bottom + kTouch;
    });
}

std::vector<PageSpan> Spans(const QTextDocument& text, double pageHeight) {
    const Sheet sheet = ReadSheet(text);
    const std::vector<Candidate> cuts = Candidates(sheet);
    std::vector<PageSpan> pages;
    if (sheet.segments.empty() || pageHeight <= 0) return pages;
    double top = 0;
    while (sheet.end - top > kTouch) {
        const double limit = top + pageHeight;
        double bottom = sheet.end <= limit + kTouch ? sheet.end : BestCut(cuts, top, limit);
        for (double f : sheet.forced) {
            if (f > top + kTouch && f < bottom - kTouch && HasTextWithin(sheet, top, f)) {
                bottom = f;
                break;
            }
        }
        pages.push_back({top, bottom});
        top = bottom;
    }
    return pages;
}

// The places where a page begins inside a paragraph: the position of the page's first line, in
// the order of the text.
std::vector<int> PagesBeginningInParagraphs(const QTextDocument& text,
                                            const std::vector<PageSpan>& pages) {
    QAbstractTextDocumentLayout* layout = text.documentLayout();
    std::vector<int> positions;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* laid = block.layout();
        if (!laid || laid->lineCount() < 2 || block.textList()) continue;
        const double origin = layout->blockBoundingRect(block).top() - laid->boundingRect().top();
        for (std::size_t p = 1; p < pages.size(); ++p) {
            const double y = pages[p].top;
            if (origin + laid->lineAt(0).y() >= y - kTouch)
                continue;  // it begins above the paragraph
            for (int i = 1; i < laid->lineCount(); ++i) {
                if (origin + laid->lineAt(i).y() >= y - kTouch) {
                    positions.push_back(block.position() + laid->lineAt(i).textStart());
                    break;
                }
            }
        }
    }
    return positions;
}

// Parts the paragraph at `position` into two that lie as the one did: no margin between them,
// no first-line indent on the second.
void PartParagraph(QTextDocument& text, int position) {
    QTextCursor cursor(&text);
    cursor.setPosition(position);
    QTextBlockFormat first = cursor.blockFormat();
    QTextBlockFormat second = first;
    first.setBottomMargin(0);
    first.setPageBreakPolicy(first.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysAfter);
    second.setTopMargin(0);
    second.setTextIndent(0);
    second.setPageBreakPolicy(second.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(first);
    cursor.insertBlock(second);
}

}  // namespace

std::vector<PageSpan> CutIntoPages(QTextDocument& text, double pageHeight) {
    // Qt draws a paragraph from the last line above the part of the page it is asked for, which
    // would leave that line, unseen, in the text layer of the next page: a paragraph that goes on
    // over a page is parted into two where the page begins, and the pages are cut again.
    constexpr int kRounds = 3;
    std::vector<PageSpan> pages = Spans(text, pageHeight);
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<int> positions = PagesBeginningInParagraphs(text, pages);
        if (positions.empty()) break;
        for (auto p = positions.rbegin(); p != positions.rend(); ++p) PartParagraph(text, *p);
        pages = Spans(text, pageHeight);
    }
    return pages;
}
