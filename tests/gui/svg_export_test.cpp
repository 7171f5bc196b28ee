// The SVG back end: each exported picture parses as XML, holds the line and text elements of
// the recorded drawing in number and in text (the degree sign and the guillemets intact), and
// renders with QSvgRenderer as the same drawing does into a bitmap, within a few pixels.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>

#include "app/design_commands.h"
#include "app/main_window.h"
#include "app/plan_context_of.h"
#include "materials/materials.h"
#include "packet/exported_pictures.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/qt/picture.h"
#include "platform/qt/svg_file.h"
#include "platform/shell.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft {
namespace {

using K = CanvasOp::Kind;

struct SvgElements {
  int lines = 0;  // two-point polylines: what a line of the canvas becomes
  std::vector<std::string> texts;
  QString error;
};

SvgElements ReadSvg(const QString& path) {
  SvgElements out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    out.error = "cannot open";
    return out;
  }
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("polyline")) {
      const QStringList points =
          xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts);
      out.lines += points.size() == 2;
    } else if (xml.name() == QLatin1String("text")) {
      out.texts.push_back(xml.readElementText().toStdString());
    }
  }
  if (xml.hasError()) out.error = xml.errorString();
  return out;
}

// The lines a recording draws: every line-to, and the rectangles and ellipses one pixel thin,
// which the device draws as a line.
int RecordedLines(const RecordingCanvas& recording) {
  int lines = 0;
  for (const CanvasOp& op : recording.Ops()) {
    if (op.kind == K::LineTo) ++lines;
    if (op.kind == K::Rect || op.kind == K::Ellipse) {
      const int w = std::abs(op.x2 - op.x1), h = std::abs(op.y2 - op.y1);
      lines += w >= 1 && h >= 1 && std::min(w, h) == 1;
    }
  }
  return lines;
}

QImage RenderSvg(const QString& path, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QSvgRenderer renderer(path);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(0, 0, width, height));
  return image;
}

bool Ink(QRgb p) {
  return qGray(p) < 200;
}

// The share of the ink of `a` with no ink of `b` within `reach` pixels.
double StrayInk(const QImage& a, const QImage& b, int reach) {
  long ink = 0, stray = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (!Ink(a.pixel(x, y))) continue;
      ++ink;
      bool near = false;
      for (int dy = -reach; dy <= reach && !near; ++dy)
        for (int dx = -reach; dx <= reach && !near; ++dx) {
          const int u = x + dx, v = y + dy;
          near = u >= 0 && v >= 0 && u < b.width() && v < b.height() && Ink(b.pixel(u, v));
        }
      stray += !near;
    }
  }
  return ink == 0 ? 1.0 : static_cast<double>(stray) / ink;
}

struct SvgExportTest : ::testing::Test {
  SvgExportTest() : clock(LocalDateTime{2007, 1, 5, 9, 5, 7, 5}), state(prompts, clock, shell) {
    state.StartUp();
    state.HandleUserEvent([this] { state.design().Activate(); });
  }

  // Writes the picture as SVG and draws it into a bitmap from the same start, both recorded.
  void Check(const ExportedPicture& picture, const std::vector<std::string>& mustHold) {
    SCOPED_TRACE(picture.title);
    const QString path = dir.filePath("picture.svg");
    SvgPicture svg;
    svg.width = picture.width;
    svg.height = picture.height;
    svg.title = picture.title;
    RecordingCanvas svgOps, pngOps;
    ASSERT_EQ(WriteSvgFile(path.toStdString(), svg, picture.draw, &svgOps), "");
    Picture bitmap(picture.width, picture.height);
    bitmap.Draw(picture.draw, &pngOps);
    ASSERT_EQ(svgOps.ToJsonLines(), pngOps.ToJsonLines());  // one drawing, two back ends

    const SvgElements elements = ReadSvg(path);
    ASSERT_TRUE(elements.error.isEmpty()) << elements.error.toStdString();
    EXPECT_EQ(elements.lines, RecordedLines(svgOps));
    EXPECT_GT(elements.lines, 0);
    EXPECT_EQ(elements.texts, svgOps.Texts());
    for (const std::string& text : mustHold) {
      bool found = false;
      for (const std::string& t : elements.texts) found |= t.find(text) != std::string::npos;
      EXPECT_TRUE(found) << text;
    }

    const QImage rendered = RenderSvg(path, picture.width, picture.height);
    const QImage& drawn = bitmap.Image();
    // Every line and glyph within two pixels of the bitmap's, both ways (a text at the wrong
    // size or place, or a missing line, strays by far more).
    EXPECT_LT(StrayInk(drawn, rendered, 2), 0.001);
    EXPECT_LT(StrayInk(rendered, drawn, 2), 0.001);
  }

  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow state;
  QTemporaryDir dir;
};

TEST_F(SvgExportTest, ThePlanSheetKeepsItsLinesTextsAndLook) {
  Check(PlanSheetPicture(state.rec, PlanContextOf(state)),
        {"31.0\xC2\xB0", "\xC2\xAB\xC2\xAB\xC2\xAB (2", "Adult Standard Size Table"});
}

TEST_F(SvgExportTest, TheDesignViewKeepsItsLinesTextsAndLook) {
  Check(DesignViewPicture(state.rec, 1016, 440, 1024, 740), {"Lbr. Thickness"});
}

TEST_F(SvgExportTest, TheCuttingDiagramsKeepTheirLinesTextsAndLook) {
  const Materials materials = BuildMaterials(state.rec, DefaultMaterialsSettings(true));
  Check(CuttingDiagramPicture(materials, kCuttingDiagramExportWidth),
        {"Board 14 of 14:", "offcut "});
}

TEST_F(SvgExportTest, AFileThatCannotBeWrittenIsReportedAndAFailedDrawingLeavesNoFile) {
  const ExportedPicture picture = DesignViewPicture(state.rec, 300, 200, 1024, 740);
  const std::string error =
      WriteSvgFile(dir.filePath("missing/view.svg").toStdString(), SvgPicture{}, picture.draw);
  EXPECT_NE(error.find("could not be written"), std::string::npos) << error;

  const QString target = dir.filePath("kept.svg");
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  EXPECT_THROW(
      WriteSvgFile(target.toStdString(), SvgPicture{}, [](Canvas& c) { c.LineTo(1e12, 0); }),
      std::exception);
  QFile kept(target);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("old"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

}  // namespace
}  // namespace varnloft
