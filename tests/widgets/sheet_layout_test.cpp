// SPDX-License-Identifier: GPL-3.0-or-later
// A sheet laid out from measured text: a warning of any length wraps within the width, its band
// is as tall as its lines, and what follows starts below it.
#include "widgets/sheet_layout.h"

#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "support/shell_test.h"

namespace {

class SheetLayoutTest : public ShellTest {};

TEST_F(SheetLayoutTest, AWarningOfAnyLengthWrapsAndPushesTheNextSectionDown) {
    const QFont font = SheetFont(12);
    const QColor ground(255, 238, 200);
    const QString warning =
        QString::fromUtf8("до Становления весны 4 мин: год и месяц зависят от точного времени; ")
            .repeated(6) +
        QStringLiteral("x").repeated(200);  // and one word wider than the sheet
    for (const int width : {200, 680}) {
        SCOPED_TRACE(width);
        const QStringList lines = WrapText(warning, font, width - 8);
        ASSERT_GT(lines.size(), 3);
        for (const QString& line : lines)
            EXPECT_LE(QFontMetricsF(font).horizontalAdvance(line), width - 8) << line.toStdString();

        const SheetSection band = Band(warning, font, Qt::darkRed, ground, 4);
        const int bandHeight = band.height(width);
        EXPECT_GE(bandHeight, lines.size() * QFontMetricsF(font).lineSpacing());
        // Below the band a black bar: no band colour shows under it, nothing of it over the band.
        const SheetSection bar{[](int) { return 20; },
                               [](QPainter& p, const QRect& r) { p.fillRect(r, Qt::black); }};
        const Picture sheet = StackedSheet({band, bar}, width + 24, 12, 10);
        EXPECT_EQ(sheet.size.height(), 12 + bandHeight + 10 + 20 + 12);
        QImage image(sheet.size, QImage::Format_RGB32);
        QPainter painter(&image);
        sheet.paint(painter);
        painter.end();
        const int barTop = 12 + bandHeight + 10;
        EXPECT_EQ(image.pixel(15, barTop - 11), ground.rgb());
        EXPECT_EQ(image.pixel(15, barTop + 1), QColor(Qt::black).rgb());
        EXPECT_EQ(image.pixel(width + 5, 14), ground.rgb());
    }
}

}  // namespace
