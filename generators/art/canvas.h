// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by every picture of the bmp/ folder: blank canvases, fonts, centred
// labels, trigram bars and round dials.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <vector>

class QPainter;

namespace art {

// One finished picture and the file name it is saved under inside bmp/.
struct Picture {
    QString fileName;
    QImage image;
};
using Pictures = std::vector<Picture>;

// A white canvas; saved as BMP it becomes a 24-bit picture.
QImage blankCanvas(int width, int height);

// Fonts. Chinese characters are drawn with "Noto Sans CJK SC" or "Noto Serif CJK SC" (Debian
// fonts-noto-cjk), Latin and Cyrillic with "DejaVu Sans" (fonts-dejavu-core). When a family is
// missing, Qt substitutes another font and a note goes to stderr: the pictures are still made.
QFont hanziFont(int pixelSize, bool bold = false);
QFont hanziSerifFont(int pixelSize, bool bold = false);
QFont textFont(int pixelSize, bool bold = false);

// Labels centred on a point with the painter's font and pen. Cyrillic and Latin text is centred on
// its capital letters, so that descenders do not shift a word; Chinese text on the ideographic em
// box, so that every character of a set sits at the same height.
void drawLabel(QPainter& painter, QPointF centre, const QString& text);

// The dark (yin) half of a taiji of radius r: the left half-disc with the lower small half-disc
// added and the upper one taken away. Pictograms and the program's icon fill it alike.
QPainterPath taijiYinPath(QPointF centre, double r);
void drawHanzi(QPainter& painter, QPointF centre, const QString& text);
// The same label on a small filled box, for a label that sits on a line.
void drawLabelOnBox(QPainter& painter, QPointF centre, const QString& text, const QColor& box,
                    bool hanzi);

// One line of a block of lines: a label, Chinese characters or a trigram's bars (for bars,
// `lines` and `width` as for drawTrigram), taking `height` pixels of the block.
struct StackItem {
    enum class Kind { Text, Hanzi, Bars };
    Kind kind;
    QFont font;
    QColor colour;
    QString text;
    double height;
    int lines = 0;
    int width = 0;

    static StackItem label(const QFont& font, const QColor& colour, const QString& text,
                           double height);
    static StackItem hanzi(const QFont& font, const QColor& colour, const QString& text,
                           double height);
    static StackItem bars(int lines, int width, const QColor& colour, double height);
};
// The lines one under the other, the block centred on a point: a block reads the same in every
// sector of a circle, whether the sector lies across the picture or along it.
void drawStack(QPainter& painter, QPointF centre, const std::vector<StackItem>& items);

// A trigram as three bars (bit 2 the top line, bit 0 the bottom one; a set bit is a solid yang
// line, a clear bit a broken yin line), `width` pixels wide and 4/5 of that high.
void drawTrigram(QPainter& painter, QPointF centre, int width, int lines, const QColor& colour);

// The colour mixed with white: strength 1 keeps it, 0 gives white.
QColor tint(const QColor& colour, double strength);

// A round diagram whose directions are degrees counted clockwise on the screen from a chosen
// zero direction: a compass with north or south at the top, or the ecliptic with longitude 0 on
// the left.
class Dial {
public:
    static Dial northUp(QPointF centre);   // azimuth 0 up, 90 right
    static Dial southUp(QPointF centre);   // azimuth 0 down, 90 left
    static Dial ecliptic(QPointF centre);  // longitude 0 left, 90 up

    QPointF centre() const { return centre_; }
    QPointF point(double radius, double degrees) const;
    // The ring piece between two radii from one direction clockwise to another (inner 0: a wedge).
    QPainterPath sector(double innerRadius, double outerRadius, double from, double to) const;
    void drawCircle(QPainter& painter, double radius) const;
    void drawRadius(QPainter& painter, double innerRadius, double outerRadius,
                    double degrees) const;

private:
    Dial(QPointF centre, double zeroScreenAngle) : centre_(centre), zero_(zeroScreenAngle) {}
    // Qt's angle (counter-clockwise from three o'clock) of a direction of this dial.
    double screenAngle(double degrees) const { return zero_ - degrees; }

    QPointF centre_;
    double zero_;
};

}  // namespace art
