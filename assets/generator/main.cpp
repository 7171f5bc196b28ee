// Writes the Illustrations window's four pictures into a folder:
//   varnloft-pictures OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "jpeg_writer.h"
#include "sketches.h"
#include "table_photo.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");  // fonts without a display
  QGuiApplication application(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));

  struct Picture {
    const char* name;
    QImage image;
  };
  const Picture pictures[] = {
      {"hole_locations.jpg", DrawHoleLocationsSketch(428, 206)},
      {"tipsy_table.jpg", DrawTipsyTableSketch(428, 206)},
      {"angle_checking.jpg", DrawAngleCheckingSketch(428, 206)},
      {"finished_table.jpg", RenderTablePhotograph(475, 247)},
  };
  bool ok = true;
  for (const Picture& picture : pictures) {
    const QString path = folder.filePath(picture.name);
    ok = WriteJpeg(picture.image, path, 90) && ok;
    std::printf("%s %dx%d\n", qPrintable(path), picture.image.width(), picture.image.height());
  }
  return ok ? 0 : 1;
}
