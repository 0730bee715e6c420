// SPDX-License-Identifier: GPL-3.0-or-later
// The pictograms of the main window's toolbar, one for each command, saved as SVG so that the
// program draws them sharp at any size and on any screen density. Drawn on a 48-unit square with
// strokes of at least 3 units, so that the 16-pixel size still shows every line (one pixel wide).
// Colours are the program's: lacquer red, gold, ink and the elements' paints.

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>
#include <cstdio>
#include <functional>

#include "lore.h"
#include "pictures.h"

namespace art {

namespace {

const QColor kLacquer(150, 30, 25);
const QColor kGold(218, 165, 32);
const QColor kInk(35, 30, 30);
const QColor kPaper(252, 248, 236);
constexpr double kStroke = 3.0;

QPen Pen(const QColor& colour, double width = kStroke) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A sheet of paper: the base of the pages, lists and tables.
void Sheet(QPainter& p, const QRectF& r = QRectF(9, 5, 30, 38)) {
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 3, 3);
}

// A calendar leaf with its red binding; returns the area below the binding.
QRectF Leaf(QPainter& p) {
    Sheet(p, QRectF(6, 8, 36, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(kLacquer);
    p.drawRect(QRectF(7.5, 9.5, 33, 8));
    p.setPen(Pen(kInk));
    p.drawLine(QPointF(16, 5), QPointF(16, 12));
    p.drawLine(QPointF(32, 5), QPointF(32, 12));
    return QRectF(9, 20, 30, 19);
}

// Digits as outlines, so that the picture needs no font where it is shown.
void Number(QPainter& p, const QRectF& box, const QString& text, const QColor& colour) {
    QFont font = textFont(20, true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    const double k = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(k, k);
    t.translate(-b.center().x(), -b.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(t.map(path));
}

// A round dial on paper with `ticks` marks evenly spaced around its rim, reaching in to
// `inner` from the centre: the ecliptic's four seasons, the clock of the twelve meridians.
void Dial(QPainter& p, int ticks, double inner) {
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(24, 24), 19, 19);
    p.setPen(Pen(kInk, 1.5));
    for (int i = 0; i < ticks; ++i) {
        const double a = i * 2 * M_PI / ticks;
        p.drawLine(QPointF(24 + inner * std::cos(a), 24 + inner * std::sin(a)),
                   QPointF(24 + 19 * std::cos(a), 24 + 19 * std::sin(a)));
    }
}

void Star(QPainter& p, QPointF c, double r, const QColor& fill) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(Pen(kInk, 1.5));
    p.setBrush(fill);
    p.drawPath(star);
}

void Lines(QPainter& p, double x0, double x1, double y0, int count, double step) {
    p.setPen(Pen(kInk, 2.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x0, y0 + i * step), QPointF(x1, y0 + i * step));
}

void Taiji(QPainter& p, QPointF c, double r) {
    const QPainterPath yin = taijiYinPath(c, r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setBrush(kInk);
    p.drawPath(yin);
    p.drawEllipse(c + QPointF(0, r / 2), r / 7, r / 7);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(0, -r / 2), r / 7, r / 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kInk, 2.5));
    p.drawEllipse(c, r, r);
}

void Octagon(QPainter& p, QPointF c, double r, bool spokes) {
    QPolygonF poly;
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI / 8 + i * M_PI / 4;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawPolygon(poly);
    if (spokes) {
        p.setPen(Pen(kInk, 1.5));
        for (const QPointF& v : poly) p.drawLine(c, v);
    }
}

using Drawing = std::function<void(QPainter&)>;

struct Pictogram {
    const char* name;  // the file name without ".svg"; the command of the toolbar
    Drawing draw;
};

std::vector<Pictogram> Pictograms() {
    return {
        {"new-window",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kPaper);
             p.drawRoundedRect(QRectF(4, 8, 32, 26), 3, 3);
             p.setPen(Qt::NoPen);
             p.setBrush(kLacquer);
             p.drawRect(QRectF(5.5, 9.5, 29, 6));
             p.setBrush(kGold);
             p.drawEllipse(QPointF(36, 34), 10, 10);
             p.setPen(Pen(Qt::white, 3.5));
             p.drawLine(QPointF(36, 28.5), QPointF(36, 39.5));
             p.drawLine(QPointF(30.5, 34), QPointF(41.5, 34));
         }},
        {"person",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kGold);
             p.drawEllipse(QPointF(24, 15), 8, 8);
             p.setBrush(kLacquer);
             QPainterPath body;
             body.moveTo(8, 44);
             body.cubicTo(8, 28, 40, 28, 40, 44);
             body.closeSubpath();
             p.drawPath(body);
         }},
        {"house",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kLacquer);
             p.drawPolygon(QPolygonF({QPointF(4, 22), QPointF(24, 5), QPointF(44, 22)}));
             p.setBrush(kPaper);
             p.drawRect(QRectF(9, 22, 30, 21));
             p.setPen(Pen(kInk, 1.5));
             for (int i = 1; i < 3; ++i) {
                 p.drawLine(QPointF(9 + i * 10, 22), QPointF(9 + i * 10, 43));
                 p.drawLine(QPointF(9, 22 + i * 7), QPointF(39, 22 + i * 7));
             }
         }},
        {"settings",
         [](QPainter& p) {
             for (int i = 0; i < 3; ++i) {
                 const double y = 11 + i * 13;
                 p.setPen(Pen(kInk));
                 p.drawLine(QPointF(6, y), QPointF(42, y));
                 const double x = i == 1 ? 30 : (i ? 14 : 22);
                 p.setBrush(i == 1 ? kLacquer : kGold);
                 p.drawEllipse(QPointF(x, y), 5, 5);
             }
         }},
        {"calendar",
         [](QPainter& p) {
             const QRectF a = Leaf(p);
             p.setPen(Qt::NoPen);
             for (int r = 0; r < 3; ++r)
                 for (int c = 0; c < 4; ++c) {
                     p.setBrush(r == 1 && c == 2 ? kLacquer : kInk);
                     p.drawRect(QRectF(a.left() + 1 + c * 7.5, a.top() + 1 + r * 6.2, 4.5, 3.6));
                 }
         }},
        {"ecliptic",
         [](QPainter& p) {
             Dial(p, 4, 15);
             p.setPen(Pen(kLacquer, 3.5));
             p.drawLine(QPointF(24, 24), QPointF(11, 15));
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(kGold);
             p.drawEllipse(QPointF(11, 15), 5, 5);
         }},
        {"seasons",
         [](QPainter& p) {
             Sheet(p);
             Lines(p, 14, 34, 20, 4, 6);
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(kGold);
             p.drawEllipse(QPointF(24, 11), 4.5, 4.5);
         }},
        {"officers",
         [](QPainter& p) { Number(p, Leaf(p).adjusted(3, 1, -3, -1), "12", kLacquer); }},
        {"mansions",
         [](QPainter& p) {
             const QPointF pts[] = {{7, 34}, {15, 22}, {26, 27}, {33, 13}, {42, 8}};
             p.setPen(Pen(kInk, 2));
             for (int i = 1; i < 5; ++i) p.drawLine(pts[i - 1], pts[i]);
             for (const QPointF& pt : pts) Star(p, pt, 5.5, kGold);
             Number(p, QRectF(24, 33, 20, 12), "28", kLacquer);
         }},
        {"stems-branches",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(elementPaint(Element::Wood));
             p.drawEllipse(QPointF(17, 20), 12, 12);
             p.setBrush(elementPaint(Element::Fire));
             p.drawEllipse(QPointF(31, 28), 12, 12);
             p.setPen(Pen(kInk, 2.5));
             p.drawLine(QPointF(17, 14), QPointF(17, 26));
             p.drawLine(QPointF(26, 28), QPointF(36, 28));
         }},
        {"ruler",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kGold);
             p.drawRect(QRectF(3, 17, 42, 14));
             p.setPen(Pen(kInk, 1.5));
             for (int i = 1; i < 8; ++i)
                 p.drawLine(QPointF(3 + i * 5.25, 17), QPointF(3 + i * 5.25, i % 2 ? 22 : 25));
             p.setPen(Pen(kLacquer, 2.5));
             p.drawLine(QPointF(29, 12), QPointF(29, 36));
         }},
        {"ba-zhai", [](QPainter& p) { Octagon(p, QPointF(24, 24), 20, true); }},
        {"star-combinations",
         [](QPainter& p) {
             p.setPen(Pen(kLacquer, 2.5));
             p.drawLine(QPointF(14, 32), QPointF(34, 16));
             Star(p, QPointF(14, 32), 11, kGold);
             Star(p, QPointF(34, 16), 11, elementPaint(Element::Metal));
         }},
        {"trigrams",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kInk);
             // Kan: broken, solid, broken.
             for (int i = 0; i < 3; ++i) {
                 const QRectF bar(6, 9 + i * 11, 36, 7);
                 if (i == 1) {
                     p.drawRect(bar);
                 } else {
                     p.drawRect(QRectF(bar.left(), bar.top(), 15, 7));
                     p.drawRect(QRectF(bar.right() - 15, bar.top(), 15, 7));
                 }
             }
         }},
        {"notes",
         [](QPainter& p) {
             Sheet(p);
             Lines(p, 14, 34, 14, 4, 6.5);
             p.setPen(Pen(kInk, 1.5));
             p.setBrush(kGold);
             p.drawPolygon(QPolygonF({QPointF(28, 44), QPointF(30, 37), QPointF(44, 23),
                                      QPointF(47, 26), QPointF(33, 40)}));
         }},
        {"day-selection",
         [](QPainter& p) {
             Leaf(p);
             p.setPen(Pen(kLacquer, 4.5));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF({QPointF(14, 29), QPointF(21, 35), QPointF(35, 22)}));
         }},
        {"star-pages",
         [](QPainter& p) {
             Sheet(p);
             Star(p, QPointF(24, 19), 9, kGold);
             Lines(p, 15, 33, 33, 2, 5);
         }},
        {"ba-zhai-pages",
         [](QPainter& p) {
             Sheet(p);
             Octagon(p, QPointF(24, 20), 10, true);
             Lines(p, 15, 33, 35, 2, 4.5);
         }},
        {"yin-yang", [](QPainter& p) { Taiji(p, QPointF(24, 24), 19); }},
        {"lo-shu",
         [](QPainter& p) {
             constexpr int kSquare[3][3] = {{4, 9, 2}, {3, 5, 7}, {8, 1, 6}};
             for (int r = 0; r < 3; ++r)
                 for (int c = 0; c < 3; ++c) {
                     const int palace = kSquare[r][c];
                     const Element e =
                         palace == 5 ? Element::Earth : trigramOfPalace(palace).element;
                     p.setPen(Pen(kInk, 2));
                     p.setBrush(elementWash(e));
                     p.drawRect(QRectF(4 + c * 13.3, 4 + r * 13.3, 13.3, 13.3));
                 }
             p.setPen(Qt::NoPen);
             p.setBrush(kLacquer);
             p.drawEllipse(QPointF(24, 24), 3.5, 3.5);
         }},
        {"stem-branch-table",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kPaper);
             p.drawRect(QRectF(5, 7, 38, 34));
             p.setPen(Qt::NoPen);
             p.setBrush(kLacquer);
             p.drawRect(QRectF(6.5, 8.5, 35, 7));
             p.setPen(Pen(kInk, 1.5));
             for (int i = 1; i < 3; ++i)
                 p.drawLine(QPointF(5 + i * 12.7, 7), QPointF(5 + i * 12.7, 41));
             for (int i = 1; i < 4; ++i)
                 p.drawLine(QPointF(5, 15 + i * 6.5), QPointF(43, 15 + i * 6.5));
         }},
        {"stem-branch-diagram",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kPaper);
             p.drawEllipse(QPointF(24, 24), 19, 19);
             p.setPen(Pen(kInk, 1.5));
             for (int i = 0; i < 12; ++i) {
                 const double a = i * M_PI / 6;
                 p.drawLine(QPointF(24 + 13 * std::cos(a), 24 + 13 * std::sin(a)),
                            QPointF(24 + 19 * std::cos(a), 24 + 19 * std::sin(a)));
             }
             p.setPen(Qt::NoPen);
             p.setBrush(kLacquer);
             p.drawEllipse(QPointF(24, 24), 6, 6);
         }},
        {"wu-xing",
         [](QPainter& p) {
             const Element order[5] = {Element::Fire, Element::Earth, Element::Metal,
                                       Element::Water, Element::Wood};
             QPointF v[5];
             for (int i = 0; i < 5; ++i) {
                 const double a = -M_PI / 2 + i * 2 * M_PI / 5;
                 v[i] = QPointF(24 + 16 * std::cos(a), 25 + 16 * std::sin(a));
             }
             p.setPen(Pen(kInk, 1.5));
             for (int i = 0; i < 5; ++i) p.drawLine(v[i], v[(i + 2) % 5]);
             p.setPen(Pen(kInk, 2));
             for (int i = 0; i < 5; ++i) {
                 p.setBrush(elementPaint(order[i]));
                 p.drawEllipse(v[i], 6.5, 6.5);
             }
         }},
        {"analogies",
         [](QPainter& p) {
             const Element order[5] = {Element::Wood, Element::Fire, Element::Earth, Element::Metal,
                                       Element::Water};
             for (int i = 0; i < 5; ++i) {
                 p.setPen(Pen(kInk, 2));
                 p.setBrush(elementPaint(order[i]));
                 p.drawRect(QRectF(4, 4 + i * 8, 10, 7));
                 p.setPen(Pen(kInk, 2.5));
                 p.drawLine(QPointF(19, 7.5 + i * 8), QPointF(43 - (i % 2) * 8, 7.5 + i * 8));
             }
         }},
        {"organs",
         [](QPainter& p) {
             Dial(p, 12, 16);
             p.setPen(Pen(kLacquer, 3));
             p.drawLine(QPointF(24, 24), QPointF(24, 11));
             p.drawLine(QPointF(24, 24), QPointF(33, 28));
             p.setPen(Qt::NoPen);
             p.setBrush(elementPaint(Element::Fire));
             QPainterPath heart;
             heart.moveTo(24, 40);
             heart.cubicTo(14, 33, 18, 27, 24, 31);
             heart.cubicTo(30, 27, 34, 33, 24, 40);
             p.drawPath(heart);
         }},
        // The fallback of the desktop theme's "document-print".
        {"print",
         [](QPainter& p) {
             Sheet(p, QRectF(13, 4, 22, 16));
             p.setPen(Pen(kInk));
             p.setBrush(QColor(120, 120, 120));
             p.drawRoundedRect(QRectF(4, 18, 40, 17), 3, 3);
             Sheet(p, QRectF(13, 29, 22, 15));
             Lines(p, 17, 31, 35, 2, 4);
             p.setPen(Qt::NoPen);
             p.setBrush(kGold);
             p.drawEllipse(QPointF(38, 23), 2, 2);
         }},
        {"help",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kLacquer);
             p.drawEllipse(QPointF(24, 24), 20, 20);
             Number(p, QRectF(14, 10, 20, 28), "?", Qt::white);
         }},
    };
}

}  // namespace

bool writePictograms(const QString& folder) {
    if (!QDir().mkpath(folder)) return false;
    bool ok = true;
    for (const Pictogram& pictogram : Pictograms()) {
        const QString path = QDir(folder).filePath(QLatin1String(pictogram.name) + ".svg");
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            ok = false;
            continue;
        }
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(48, 48));
        svg.setViewBox(QRectF(0, 0, 48, 48));
        svg.setTitle(QLatin1String(pictogram.name));
        {
            QPainter painter(&svg);
            painter.setRenderHint(QPainter::Antialiasing);
            pictogram.draw(painter);
        }
        if (!file.commit()) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

}  // namespace art
