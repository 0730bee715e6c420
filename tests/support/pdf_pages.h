// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PDF page as a reader sees it, through poppler: the words of its text layer with their boxes,
// the page drawn at 72 pixels per inch (one pixel a point, so a word's box is its place on the
// picture), whether the ink of a word is really there, and the fonts the file embeds.
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <vector>

struct PdfWord {
    QString text;
    QRectF box;  // points from the top left of the page
};

inline QString RunPoppler(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline bool PopplerInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

inline std::vector<PdfWord> PdfWords(const QString& pdf, int page) {
    const QString html =
        RunPoppler(QStringLiteral("pdftotext"), {"-bbox", "-f", QString::number(page), "-l",
                                                 QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

// The page drawn at 72 pixels per inch.
inline QImage PdfPageImage(const QString& pdf, int page) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    RunPoppler(QStringLiteral("pdftoppm"), {"-png", "-r", "72", "-f", QString::number(page), "-l",
                                            QString::number(page), "-singlefile", pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The share of dark pixels (the ink of letters) in a box of the page picture.
inline double InkIn(const QImage& page, const QRectF& box) {
    const QRect r = box.toAlignedRect().intersected(page.rect());
    if (r.isEmpty()) return 0;
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(page.pixel(x, y)) < 140) ++ink;
    return double(ink) / (r.width() * r.height());
}

// The lines of `pdffonts`: one font a line, "name type encoding emb sub uni …".
inline QStringList PdfFonts(const QString& pdf) {
    return RunPoppler(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n')).mid(2);
}

// A run of text on a line of a page as poppler's pdftohtml reads it (one point a unit), and
// whether it is all in a bold face.
struct PdfTextRun {
    int page = 0;
    QRectF box;
    QString text;
    bool bold = false;
};

inline std::vector<PdfTextRun> PdfTextRuns(const QString& pdf) {
    const QString xml =
        RunPoppler(QStringLiteral("pdftohtml"), {"-xml", "-i", "-zoom", "1", "-stdout", "-q", pdf});
    static const QRegularExpression item(QStringLiteral(
        "<page number=\"(\\d+)\"|<text top=\"(-?\\d+)\" left=\"(-?\\d+)\" width=\"(\\d+)\" "
        "height=\"(\\d+)\" font=\"\\d+\">(.*)</text>"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    std::vector<PdfTextRun> runs;
    int page = 0;
    for (auto it = item.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            page = m.captured(1).toInt();
            continue;
        }
        QString text = m.captured(6);
        const bool bold =
            text.startsWith(QStringLiteral("<b>")) && text.endsWith(QStringLiteral("</b>"));
        text.remove(tag);
        text.replace(QStringLiteral("&#34;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        runs.push_back({page,
                        QRectF(m.captured(3).toDouble(), m.captured(2).toDouble(),
                               m.captured(4).toDouble(), m.captured(5).toDouble()),
                        text, bold});
    }
    return runs;
}
