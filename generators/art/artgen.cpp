// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the program's bmp/ folder and saves them as 24-bit Windows BMP files.
// Usage: gavrosin-artgen <output folder>; gavrosin-artgen --icons <output folder> draws the desktop
// icons instead (PNG, in the folders of the hicolor theme), gavrosin-artgen --pictograms <output
// folder> the toolbar's pictograms (SVG). Runs without a display (offscreen).

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <string>

#include "pictures.h"

namespace {

// Writes through a temporary file, so that an interrupted run never leaves half a picture.
// The format follows the file name: ".bmp" or ".png".
bool savePicture(const QDir& folder, const art::Picture& picture) {
    const QString path = folder.filePath(picture.fileName);
    const QByteArray format = QFileInfo(path).suffix().toUpper().toLatin1();
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        !picture.image.save(&file, format.constData()) || !file.commit()) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const bool icons = argc == 3 && std::string(argv[1]) == "--icons";
    if (argc == 3 && std::string(argv[1]) == "--pictograms")
        return art::writePictograms(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: %s [--icons | --pictograms] <output folder>\n", argv[0]);
        return 2;
    }
    const char* output = argv[argc - 1];
    const QDir folder(QString::fromLocal8Bit(output));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "artgen: cannot create the folder %s\n", output);
        return 1;
    }

    art::Pictures pictures;
    if (icons) {
        art::drawIcons(pictures);
    } else {
        art::drawSignGlyphs(pictures);
        art::drawEclipticCircle(pictures);
        art::drawBaZhaiHouses(pictures);
        art::drawLoShuSquare(pictures);
        art::drawMountainsDiagram(pictures);
        art::drawElementCycles(pictures);
        art::drawCompass(pictures);
        art::drawRuler(pictures);
    }

    bool ok = true;
    for (const art::Picture& picture : pictures) {
        ok = savePicture(folder, picture) && ok;
    }
    return ok ? 0 : 1;
}
