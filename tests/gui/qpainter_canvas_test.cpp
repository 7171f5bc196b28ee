// The QPainter canvas on a QImage: text placed by its top-left corner on a white box, the degree
// sign decoded from UTF-8, rectangles that leave out their right and bottom edges, and font
// sizes in points turned into pixels at the device's resolution.
#include "platform/qt/qpainter_canvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/recording_canvas.h"
#include "platform/tee_canvas.h"

namespace varnloft {
namespace {

constexpr QRgb kBlackPixel = 0xFF000000;
constexpr QRgb kWhitePixel = 0xFFFFFFFF;

// A black picture, so that every white pixel is one the canvas painted.
QImage BlackImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

// The smallest rectangle holding every pixel that is not black.
QRect PaintedArea(const QImage& image) {
  QRect area;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kBlackPixel) area |= QRect(x, y, 1, 1);
  return area;
}

TEST(QPainterCanvas, TextBoxHasItsTopLeftCornerAtThePoint) {
  QImage image = BlackImage(300, 80);
  int expectedWidth = 0, expectedHeight = 0;
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetFontColor(kNavy);
    canvas.TextOut(40.4, 25.5, "Lbr. Thickness");  // rounds to (40, 26)
    const QFontMetrics metrics = painter.fontMetrics();
    expectedWidth = metrics.horizontalAdvance(QStringLiteral("Lbr. Thickness"));
    expectedHeight = metrics.height();
  }
  EXPECT_EQ(PaintedArea(image), QRect(40, 26, expectedWidth, expectedHeight));
  EXPECT_EQ(image.pixel(40, 26), kWhitePixel);  // the box's corner, above and left of the glyphs
  bool navyGlyph = false;
  for (int y = 26; y < 26 + expectedHeight; ++y)
    for (int x = 40; x < 40 + expectedWidth; ++x)
      navyGlyph |= qBlue(image.pixel(x, y)) > 100 && qRed(image.pixel(x, y)) < 60;
  EXPECT_TRUE(navyGlyph);
}

TEST(QPainterCanvas, DegreeSignIsOneCharacter) {
  QImage image = BlackImage(200, 60);
  int degreeWidth = 0;
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.TextOut(10, 10, "31.0\xC2\xB0");
    degreeWidth = painter.fontMetrics().horizontalAdvance(QString("31.0") + QChar(0x00B0));
  }
  EXPECT_EQ(PaintedArea(image).width(), degreeWidth);
  // Mis-read as Latin-1 the two bytes would be two characters and a wider box.
  QImage latin = BlackImage(200, 60);
  {
    QPainter painter(&latin);
    QPainterCanvas canvas(painter);
    EXPECT_LT(degreeWidth,
              painter.fontMetrics().horizontalAdvance(QString::fromLatin1("31.0\xC2\xB0")));
  }
}

TEST(QPainterCanvas, RectangleLeavesOutItsRightAndBottomEdges) {
  QImage image = BlackImage(40, 40);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetPenColor(kNavy);
    canvas.Rectangle(5, 6, 15, 12);
  }
  EXPECT_EQ(PaintedArea(image), QRect(5, 6, 10, 6));
  EXPECT_EQ(image.pixel(5, 6), qRgb(0, 0, 128));    // outline
  EXPECT_EQ(image.pixel(14, 11), qRgb(0, 0, 128));  // last column and row of the outline
  EXPECT_EQ(image.pixel(10, 9), kWhitePixel);       // white fill
}

TEST(QPainterCanvas, ReversedCornersDrawTheSameRectangle) {
  QImage image = BlackImage(40, 40);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetPenColor(kNavy);
    canvas.Rectangle(15, 12, 5, 6);
  }
  EXPECT_EQ(PaintedArea(image), QRect(5, 6, 10, 6));
}

TEST(QPainterCanvas, OnePixelWideRectangleIsOneColumn) {
  QImage image = BlackImage(40, 40);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetPenColor(kWhite);
    canvas.Rectangle(7, 3, 8, 9);
    canvas.Rectangle(20, 20, 20, 30);  // no width: nothing
  }
  EXPECT_EQ(PaintedArea(image), QRect(7, 3, 1, 6));
}

TEST(QPainterCanvas, EllipseStaysInsideItsBox) {
  QImage image = BlackImage(40, 40);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.Ellipse(10, 10, 20, 20);
  }
  EXPECT_TRUE(QRect(10, 10, 10, 10).contains(PaintedArea(image)));
  EXPECT_EQ(image.pixel(15, 15), kWhitePixel);
}

TEST(QPainterCanvas, LinesJoinAtTheCurrentPosition) {
  QImage image = BlackImage(40, 40);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetPenColor(kWhite);
    canvas.MoveTo(5, 5);
    canvas.LineTo(25, 5);
    canvas.LineTo(25, 30);
  }
  EXPECT_EQ(image.pixel(15, 5), kWhitePixel);
  EXPECT_EQ(image.pixel(25, 20), kWhitePixel);
  EXPECT_EQ(image.pixel(15, 20), kBlackPixel);
}

TEST(QPainterCanvas, FontPointsBecomeDevicePixels) {
  EXPECT_EQ(QPainterCanvas::PixelsForPoints(10, 96), 13);
  EXPECT_EQ(QPainterCanvas::PixelsForPoints(9, 96), 12);
  EXPECT_EQ(QPainterCanvas::PixelsForPoints(8, 96), 11);
  EXPECT_EQ(QPainterCanvas::PixelsForPoints(10, 600), 83);
  QImage image = BlackImage(10, 10);
  QPainter painter(&image);
  QPainterCanvas canvas(painter, 600);
  canvas.SetFontSize(12);
  EXPECT_EQ(painter.font().pixelSize(), 100);
  EXPECT_EQ(canvas.Settings().fontSize, 12);
}

TEST(QPainterCanvas, SettingsCarryOverToTheNextDrawing) {
  QImage image = BlackImage(10, 10);
  CanvasSettings kept;
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetPenColor(kNavy);
    canvas.SetFontSize(9);
    kept = canvas.Settings();
  }
  QPainter painter(&image);
  QPainterCanvas next(painter, 96, kept);
  EXPECT_EQ(painter.pen().color(), QColor(0, 0, 128));
  EXPECT_EQ(painter.font().pixelSize(), 12);
  EXPECT_EQ(next.Width(), 10);
}

// A filled polygon paints its inside in its colour and no outline; the pen and the white brush
// of the next drawings are as before, and a tee hands the same corners to both canvases.
TEST(QPainterCanvas, FillsAPolygonWithoutAnOutlineAndKeepsThePen) {
  QImage image = BlackImage(40, 40);
  RecordingCanvas recording(40, 40);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetPenColor(kNavy);
    TeeCanvas both(canvas, recording);
    both.FillPolygon({{10, 10}, {30.4, 10}, {30, 29.6}, {10, 30}}, Rgb{214, 170, 116});
    both.FillPolygon({{1, 1}, {5, 5}}, kRed);  // two corners: nothing
    EXPECT_EQ(painter.pen().color(), QColor(0, 0, 128));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::white));
  }
  EXPECT_EQ(image.pixel(20, 20), qRgb(214, 170, 116));
  EXPECT_EQ(image.pixel(11, 11), qRgb(214, 170, 116));
  EXPECT_EQ(image.pixel(5, 5), kBlackPixel);
  EXPECT_EQ(image.pixel(35, 20), kBlackPixel);
  EXPECT_EQ(PaintedArea(image), QRect(10, 10, 20, 20));
  ASSERT_EQ(recording.Ops().size(), 1u);
  EXPECT_EQ(
      recording.ToJsonLines(),
      "{\"op\":\"polygon\",\"color\":\"#D6AA74\",\"points\":[[10,10],[30,10],[30,30],[10,30]]}\n");
}

}  // namespace
}  // namespace varnloft
