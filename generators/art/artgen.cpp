// Draws the pictures of the program's bmp/ folder and saves them as 24-bit Windows BMP files.
// Usage: gavrosin-artgen <output folder>. Runs without a display (offscreen platform).

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

#include "pictures.h"

namespace {

// Writes through a temporary file, so that an interrupted run never leaves half a picture.
bool savePicture(const QDir& folder, const art::Picture& picture) {
  QSaveFile file(folder.filePath(picture.fileName));
  if (!file.open(QIODevice::WriteOnly) || !picture.image.save(&file, "BMP") || !file.commit()) {
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
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "artgen: cannot create the folder %s\n", argv[1]);
    return 1;
  }

  art::Pictures pictures;
  art::drawSignGlyphs(pictures);
  art::drawEclipticCircle(pictures);
  art::drawBaZhaiHouses(pictures);
  art::drawLoShuSquare(pictures);
  art::drawMountainsDiagram(pictures);
  art::drawElementCycles(pictures);
  art::drawCompass(pictures);
  art::drawRuler(pictures);

  bool ok = true;
  for (const art::Picture& picture : pictures) {
    ok = savePicture(folder, picture) && ok;
  }
  return ok ? 0 : 1;
}
