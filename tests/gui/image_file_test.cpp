// The one picture writer of the plans window and the driver: the format the extension names,
// written through a temporary file so that a failure leaves the target as it was.
#include "platform/qt/image_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace varnloft {
namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

QByteArray Head(const QString& path, int bytes) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

struct ImageFile : ::testing::Test {
  ImageFile() : image(31, 17, QImage::Format_RGB32) {
    image.fill(Qt::white);
    for (int x = 0; x < 31; ++x) image.setPixel(x, x % 17, qRgb(128, 0, 0));
  }
  // Every file in the folder, hidden ones included, in byte order.
  QStringList Files() const {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }

  QImage image;
  QTemporaryDir dir;
};

TEST_F(ImageFile, TheExtensionNamesTheFormatInAnyCase) {
  EXPECT_STREQ(ImageFormatFor("plan.png"), "PNG");
  EXPECT_STREQ(ImageFormatFor("/a.b/Plan.PnG"), "PNG");
  EXPECT_STREQ(ImageFormatFor("plan.BMP"), "BMP");
  for (const char* other : {"plan", "plan.jpg", "plan.png.txt", ".png", "out/.bmp", "plan."})
    EXPECT_EQ(ImageFormatFor(other), nullptr) << other;

  for (const QString name : {"plan.png", "PLAN2.PNG"}) {
    const QString path = dir.filePath(name);
    ASSERT_EQ(SaveImageFile(image, path), "");
    EXPECT_EQ(Head(path, 8), kPngSignature);
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), image);
  }
  for (const QString name : {"plan.bmp", "plan3.Bmp"}) {
    const QString path = dir.filePath(name);
    ASSERT_EQ(SaveImageFile(image, path), "");
    EXPECT_EQ(Head(path, 2), "BM");
    EXPECT_EQ(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), image);
  }
  // Nothing but the pictures: no temporary file is left behind.
  EXPECT_EQ(Files(), (QStringList{"PLAN2.PNG", "plan.bmp", "plan.png", "plan3.Bmp"}));
}

TEST_F(ImageFile, ANameOfNoPictureFormatIsRefusedWithItsReason) {
  for (const QString name : {"plan", "plan.jpg", ".png"}) {
    const std::string error = SaveImageFile(image, dir.filePath(name));
    EXPECT_EQ(error, "The file \"" + dir.filePath(name).toStdString() +
                         "\" could not be written: its name ends in neither .bmp nor .png.");
  }
  EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ImageFile, AFolderThatCannotTakeTheFileGivesTheReasonAndNoFile) {
  // A folder that does not exist, a "folder" that is a file, and a folder in which no one, not
  // even the superuser, may create a file.
  QFile plain(dir.filePath("notes.txt"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  for (const QString& path : {dir.filePath("missing/plan.png"), dir.filePath("notes.txt/plan.bmp"),
                              QString("/proc/varnloft-plan.png")}) {
    const std::string error = SaveImageFile(image, path);
    const std::string start = "The file \"" + path.toStdString() + "\" could not be written: ";
    ASSERT_EQ(error.rfind(start, 0), 0u) << error;
    EXPECT_GT(error.size(), start.size() + 2) << "no reason given: " << error;
    EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
  }
  EXPECT_EQ(Files(), QStringList{"notes.txt"});
  EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
}

TEST_F(ImageFile, AFailedWriteLeavesTheOldFileAsItWas) {
  const QString path = dir.filePath("plan.png");
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the old plan");
  old.close();
  // A null image cannot be encoded: the write fails after the temporary file was opened.
  const std::string error = SaveImageFile(QImage(), path);
  EXPECT_EQ(error, "The file \"" + path.toStdString() +
                       "\" could not be written: the picture could not be encoded.");
  EXPECT_EQ(Head(path, 100), "the old plan");
  EXPECT_EQ(Files(), QStringList{"plan.png"});
}

}  // namespace
}  // namespace varnloft
