// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/ui/chart_details_page.h"

#include <QTextBlock>
#include <QTextCursor>

#include "person/chart_detail_captions.h"
#include "person/chinese_characters.h"

namespace {

QString Html(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

QString Cell(const QString& html, bool head = false) {
    return head ? QStringLiteral("<th>") + html + QStringLiteral("</th>")
                : QStringLiteral("<td>") + html + QStringLiteral("</td>");
}

QString HiddenCell(const PillarGods& g) {
    QStringList lines;
    for (int i = 0; i < g.hidden.count; ++i)
        lines << Html(StemCharacter(g.hidden.stems[i]) + " " + TenGodCaption(g.hiddenGods[i]));
    return lines.join(QStringLiteral("<br>"));
}

QString PillarsTable(const ChartDetails& d) {
    QString html =
        QStringLiteral("<table border='1' cellspacing='0' cellpadding='3' width='100%'><tr>") +
        Cell(QString(), true);
    for (int i = 0; i < kChartPillarCount; ++i) html += Cell(Html(ChartPillarName(i)), true);
    html += QStringLiteral("</tr>");
    const auto row = [&](const char* name, auto cellOf) {
        html += QStringLiteral("<tr>") + Cell(QString::fromUtf8(name), true);
        for (int i = 0; i < kChartPillarCount; ++i) html += Cell(cellOf(i));
        html += QStringLiteral("</tr>");
    };
    row("Столп", [&](int i) {
        return QStringLiteral("<span style='font-size:large'>") +
               Html(PillarCharacters(d.pillars[i].pillar)) + QStringLiteral("</span>");
    });
    row("Бог ствола", [&](int i) { return Html(StemGodCaption(d, i)); });
    row("Скрытые стволы", [&](int i) { return HiddenCell(d.pillars[i].gods); });
    row("Стадия", [&](int i) { return Html(StageCaption(d.pillars[i])); });
    row("Пустота", [&](int i) { return Html(VoidMark(d.pillars[i])); });
    return html + QStringLiteral("</table>");
}

QString LuckTable(const ChartDetails& d) {
    QString html =
        QStringLiteral("<table border='1' cellspacing='0' cellpadding='2' width='100%'><tr>");
    for (const char* head :
         {"№", "Столп", "Возраст", "Годы", "Бог ствола", "Скрытые стволы", "Стадия"})
        html += Cell(QString::fromUtf8(head), true);
    html += QStringLiteral("</tr>");
    for (int i = 0; i < kLuckPillarCount; ++i) {
        const LuckPillarDetails& l = d.luck[i];
        QString stage = Html(StageCaption(l.details));
        if (!VoidMark(l.details).empty())
            stage += QStringLiteral("<br>") + Html(VoidMark(l.details));
        html += QStringLiteral("<tr>") + Cell(QString::number(i + 1)) +
                Cell(Html(PillarCharacters(l.details.pillar))) + Cell(QString::number(l.age)) +
                Cell(QString::number(l.years[0].year) + QStringLiteral("–") +
                     QString::number(l.years[9].year)) +
                Cell(Html(TenGodCaption(l.details.gods.stem))) + Cell(HiddenCell(l.details.gods)) +
                Cell(stage) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

void AppendChartDetailsPage(QTextDocument& text, const ChartDetails& d) {
    QString html = QStringLiteral("<h3>") + QString::fromUtf8("Полная карта рождения") +
                   QStringLiteral("</h3>") + PillarsTable(d);
    html += QStringLiteral("<p>") +
            Html("Пустота (空亡): по дню " + VoidPairCharacters(d.voidByDay) + ", по году " +
                 VoidPairCharacters(d.voidByYear)) +
            QStringLiteral("<br>") + Html("Зачатие (胎元): " + PalaceText(d.palaces.conception)) +
            QStringLiteral("<br>") + Html("Дворец жизни (命宫): " + PalaceText(d.palaces.life)) +
            QStringLiteral("<br>") + Html("Дворец тела (身宫): " + PalaceText(d.palaces.body)) +
            QStringLiteral("</p><p><b>") + QString::fromUtf8("Символические звезды (神煞):") +
            QStringLiteral("</b><br>");
    QStringList stars;
    for (const SymbolicStarHit& hit : d.stars)
        stars << Html(SymbolicStarCaption(hit.rule) + " (" + StarBasisCaption(hit.basis) +
                      "): " + StarPillarsText(hit));
    html += stars.join(QStringLiteral("; ")) + QStringLiteral("</p>");
    if (!d.smallLuck.empty()) {
        QStringList small;
        for (const SmallLuckYear& y : d.smallLuck)
            small << QString::number(y.year) + QLatin1Char(' ') + Html(PillarCharacters(y.pillar));
        html += QStringLiteral("<p><b>") + QString::fromUtf8("Малая удача (小运):") +
                QStringLiteral("</b> ") + small.join(QStringLiteral(", ")) + QStringLiteral("</p>");
    }
    html += QStringLiteral("<p><b>") + QString::fromUtf8("Столпы удачи:") +
            QStringLiteral("</b></p>") + LuckTable(d);

    QTextCursor cursor(&text);
    cursor.movePosition(QTextCursor::End);
    const bool first = text.isEmpty();
    if (!first) cursor.insertBlock();
    const int start = cursor.position();
    cursor.insertHtml(html);
    if (first) return;
    QTextCursor head(&text);
    head.setPosition(start);
    QTextBlockFormat format = head.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    head.setBlockFormat(format);
}
