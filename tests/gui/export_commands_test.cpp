// File > Export in the program: the menu's items, the save dialog's proposal, the files each
// item writes (or nothing, when cancelled), the build packet's press of Design and its refusal
// after a failed calculation, its paper from the printer set-up, and its calibration square
// measured on a 600 dpi rendering of the PDF.
#include "app/qt/export_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

#include "app/design_commands.h"
#include "app/packet_export.h"
#include "app/preset_commands.h"
#include "app/qt/program_windows.h"
#include "drawing/design_view.h"
#include "packet/template_pages.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/recording_page_sink.h"
#include "platform/shell.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"
#include "tests/app/scripted_window_calls.h"

namespace varnloft {
namespace {

using K = CanvasOp::Kind;

struct ExportCommandsTest : ::testing::Test {
  ExportCommandsTest()
      : clock(LocalDateTime{2007, 1, 5, 9, 5, 7, 5}),
        state(prompts, clock, shell),
        view(1016, 440),
        printer(QPrinter::HighResolution),
        commands(
            state, view, [this]() -> QPrinter& { return printer; }, prompts, setup) {
    printer.setPageSize(QPageSize(QPageSize::Letter));
    calls.drawDesignView = [this] {
      view.Draw([this](Canvas& c) { DrawDesignView(state.rec, c, 1024, 740); });
    };
    state.SetCalls(calls);
    state.form.windowWidth = 1024;
    state.form.windowHeight = 740;
    state.StartUp();
    state.HandleUserEvent([this] { state.design().Activate(); });
    commands.askSaveFileName = [this](const QString& title, const QString& proposed,
                                      const QString& filter) {
      ++asked;
      askedTitle = title;
      proposedPath = proposed;
      askedFilter = filter;
      return answer;
    };
  }
  bool Run(void (ExportCommands::*command)()) {
    return state.HandleUserEvent([&] { (commands.*command)(); });
  }
  QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  ScriptedWindowCalls calls;
  MainWindow state;
  Picture view;
  QPrinter printer;
  MaterialsSetup setup;
  ExportCommands commands;
  int asked = 0;
  QString askedTitle, proposedPath, askedFilter, answer;
  QTemporaryDir dir;
};

TEST_F(ExportCommandsTest, EachPictureIsProposedUnderThePlansNameAndWritten) {
  answer = dir.filePath("sheet.svg");
  ASSERT_TRUE(Run(&ExportCommands::ExportPlanSheetSvg));
  EXPECT_EQ(QFileInfo(proposedPath).fileName(), "Adult Standard Size Table.svg");
  EXPECT_EQ(askedFilter, "SVG picture (*.svg)");
  EXPECT_TRUE(Read(answer).contains("<svg width="));
  EXPECT_TRUE(Read(answer).contains("viewBox=\"0 0 681 1014\""));

  answer = dir.filePath("view.svg");
  ASSERT_TRUE(Run(&ExportCommands::ExportDesignViewSvg));
  EXPECT_EQ(QFileInfo(proposedPath).fileName(), "Adult Standard Size Table view.svg");
  EXPECT_TRUE(Read(answer).contains("viewBox=\"0 0 1016 440\""));
  EXPECT_TRUE(Read(answer).contains("Lbr. Thickness"));

  answer = dir.filePath("view.png");
  ASSERT_TRUE(Run(&ExportCommands::ExportDesignViewPng));
  EXPECT_EQ(QFileInfo(proposedPath).fileName(), "Adult Standard Size Table view.png");
  EXPECT_EQ(askedFilter, "PNG picture (*.png)");
  const QImage png(answer, "PNG");
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), view.Image());

  answer = dir.filePath("typed without suffix");  // written as the proposed type
  ASSERT_TRUE(Run(&ExportCommands::ExportDesignViewPng));
  EXPECT_FALSE(QImage(dir.filePath("typed without suffix.png"), "PNG").isNull());
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ExportCommandsTest, CancellingWritesNothingAndAFailedWriteIsReported) {
  answer = "";
  for (auto command : {&ExportCommands::ExportPlanSheetSvg, &ExportCommands::ExportDesignViewSvg,
                       &ExportCommands::ExportDesignViewPng, &ExportCommands::ExportBuildPacket})
    EXPECT_TRUE(Run(command));
  EXPECT_EQ(asked, 4);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
  EXPECT_TRUE(prompts.shown.empty());

  answer = dir.filePath("missing/packet.pdf");
  EXPECT_TRUE(Run(&ExportCommands::ExportBuildPacket));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].kind, "error");
  EXPECT_NE(prompts.shown[0].text.find("could not be written"), std::string::npos);
  EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
}

TEST_F(ExportCommandsTest, ThePacketPressesDesignFirstAndIsRefusedAfterAFailedCalculation) {
  // A change typed but not designed yet: the packet's Design takes it in, as Print does.
  state.design().TypeIntoBox("seatToTableDistance.0", "4");
  answer = dir.filePath("packet.pdf");
  ASSERT_TRUE(Run(&ExportCommands::ExportBuildPacket));
  EXPECT_FLOAT_EQ(state.rec.SeatToTableDistance, 4.0f / 12);
  EXPECT_EQ(QFileInfo(proposedPath).fileName(),
            "Custom Design Table 0152007-090507 build packet.pdf");
  EXPECT_EQ(state.rec.PlanName, "Custom Design Table 0152007-090507");
  const QByteArray pdf = Read(answer);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.contains("MediaBox [0 0 612.000000 792.000000]"));  // US Letter

  // Bad input: Design stops on its error, shown in the error box, and the packet goes no further:
  // no dialog, no file.
  state.design().TypeIntoBox("tableHeight.0", "abc");
  asked = 0;
  answer = dir.filePath("refused.pdf");
  EXPECT_FALSE(Run(&ExportCommands::ExportBuildPacket));
  EXPECT_EQ(asked, 0);
  ASSERT_FALSE(prompts.shown.empty());
  EXPECT_EQ(prompts.shown.back().text, "'abc' is not a valid floating point value");
  EXPECT_TRUE(state.rec.LastCalculationFailed);
  EXPECT_FALSE(QFile::exists(answer));
}

TEST_F(ExportCommandsTest, ThePacketsPaperIsThatOfThePrinterSetUp) {
  EXPECT_EQ(commands.PacketPaper(), PaperSize::Letter);
  printer.setPageSize(QPageSize(QPageSize::A4));
  EXPECT_EQ(commands.PacketPaper(), PaperSize::A4);
  answer = dir.filePath("a4.pdf");
  ASSERT_TRUE(Run(&ExportCommands::ExportBuildPacket));
  EXPECT_TRUE(Read(answer).contains("MediaBox [0 0 595.")) << Read(answer).left(400).data();
  printer.setPageSize(QPageSize(QPageSize::Legal));  // neither: Letter
  EXPECT_EQ(commands.PacketPaper(), PaperSize::Letter);
}

TEST_F(ExportCommandsTest, TheMaterialsWindowWritesItsDiagramsAsSvg) {
  const Materials materials = BuildMaterials(state.rec, DefaultMaterialsSettings(true));
  const QString path = dir.filePath("diagrams.svg");
  EXPECT_EQ(SaveCuttingDiagramSvg(materials, path, 800), "");
  const QByteArray svg = Read(path);
  EXPECT_TRUE(svg.contains("viewBox=\"0 0 800 "));
  EXPECT_TRUE(svg.contains("Board 14 of 14:"));
  EXPECT_NE(
      SaveCuttingDiagramSvg(materials, dir.filePath("missing/d.svg")).find("could not be written"),
      std::string::npos);
}

TEST(ExportMenu, FileHasAnExportSubmenuWithThePicturesThePacketAndThe3dModel) {
  ProgramWindows windows;
  QMenu* menu = windows.mainWindow().exportMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), "&Export");
  QStringList items;
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) items << action->objectName() + ": " + action->text();
  EXPECT_EQ(items, (QStringList{"ExportPlanSheetSvg: Plan sheet as SVG\u2026",
                                "ExportDesignViewSvg: Design view as SVG\u2026",
                                "ExportDesignViewPng: Design view as PNG\u2026",
                                "ExportBuildPacket: Build packet (PDF)\u2026",
                                "Export3dModel: &3D model\u2026"}));
  int submenus = 0;
  for (QAction* action : windows.mainWindow().menu("File1")->actions())
    submenus += action->menu() == menu;
  EXPECT_EQ(submenus, 1);
}

// The centres of the dark runs along a line of pixels.
std::vector<double> DarkRuns(const QImage& image, int fixed, bool row, int from, int to) {
  std::vector<double> centres;
  int start = -1;
  for (int i = std::max(from, 0); i <= to; ++i) {
    const bool inside = row ? i < image.width() : i < image.height();
    const bool dark = inside && qGray(row ? image.pixel(i, fixed) : image.pixel(fixed, i)) < 100;
    if (dark && start < 0) start = i;
    if (!dark && start >= 0) {
      centres.push_back((start + i - 1) / 2.0);
      start = -1;
    }
  }
  return centres;
}

struct Square {
  int page = 0, x = 0, y = 0, side = 0;  // in the printable area's pixels
  int pageWidth = 0, pageHeight = 0;
};

// Where the packet draws its first calibration square, from its recording.
Square FirstSquare(MainWindow& state) {
  Square s;
  DesignRecord rec = state.rec;
  const bool a4 = !rec.ImperialUnits;
  s.pageWidth = a4 ? 4792 : 4934;
  s.pageHeight = a4 ? 6851 : 6434;
  RecordingPageSink sink(s.pageWidth, s.pageHeight);
  WriteBuildPacket(rec, sink,
                   PacketContentsOf(state, DefaultMaterialsSettings(rec.ImperialUnits), 600),
                   state.clock().Now());
  int page = 0;
  const auto& ops = sink.Recording().Ops();
  for (size_t i = 0; i + 4 < ops.size(); ++i) {
    if (ops[i].kind == K::Page) page = ops[i].x1;
    if (ops[i].kind != K::MoveTo || ops[i + 1].kind != K::LineTo) continue;
    const int side = ops[i + 1].x1 - ops[i].x1;
    if (side > 2000 && ops[i + 1].y1 == ops[i].y1 && ops[i + 2].x1 == ops[i + 1].x1 &&
        ops[i + 2].y1 == ops[i].y1 + side) {
      s.page = page;
      s.x = ops[i].x1;
      s.y = ops[i].y1;
      s.side = side;
      return s;
    }
  }
  return s;
}

// Renders the square's page at 600 dpi with pdftoppm and measures the square from the centre of
// one edge's line to the centre of the opposite edge's, across and down, in inches.
void MeasureSquare(MainWindow& state, ExportCommands& commands, const QString& dir, double& across,
                   double& down) {
  QString pdf = QDir(dir).filePath("packet.pdf");
  commands.askSaveFileName = [pdf](const QString&, const QString&, const QString&) { return pdf; };
  ASSERT_TRUE(state.HandleUserEvent([&] { commands.ExportBuildPacket(); }));
  const Square square = FirstSquare(state);
  ASSERT_GT(square.page, 0);
  const QString png = QDir(dir).filePath("page");
  // The printable area sits in the middle of the paper (8.5 x 11 in, or 210 x 297 mm); only
  // the square and 200 pixels around it are rendered.
  const bool a4 = square.pageWidth == 4792;
  const int paperWidth = a4 ? 4961 : 5100, paperHeight = a4 ? 7016 : 6600;
  const int left = square.x + (paperWidth - square.pageWidth) / 2 - 200;
  const int top = square.y + (paperHeight - square.pageHeight) / 2 - 200;
  const int size = square.side + 400;
  QProcess pdftoppm;
  pdftoppm.start("pdftoppm", {"-r", "600", "-gray", "-png", "-singlefile", "-f",
                              QString::number(square.page), "-l", QString::number(square.page),
                              "-x", QString::number(left), "-y", QString::number(top), "-W",
                              QString::number(size), "-H", QString::number(size), pdf, png});
  ASSERT_TRUE(pdftoppm.waitForFinished(60000));
  ASSERT_EQ(pdftoppm.exitCode(), 0);
  const QImage image(png + ".png");
  ASSERT_EQ(image.size(), QSize(size, size));
  const int x = 200, y = 200, side = square.side;
  // Across, a quarter of the way down (clear of the label and the ticks); down, at 3/16 of
  // the side (between two ticks).
  const std::vector<double> row = DarkRuns(image, y + side / 4, true, x - 40, x + side + 40);
  const std::vector<double> column =
      DarkRuns(image, x + side * 3 / 16, false, y - 40, y + side + 40);
  ASSERT_EQ(row.size(), 2u);
  ASSERT_EQ(column.size(), 2u);
  across = (row[1] - row[0]) / 600;
  down = (column[1] - column[0]) / 600;
  ::testing::Test::RecordProperty("across_inches", std::to_string(across));
  ::testing::Test::RecordProperty("down_inches", std::to_string(down));
}

bool HavePdftoppm() {
  return !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

TEST_F(ExportCommandsTest, TheCalibrationSquareMeasuresFourInchesOnLetter) {
  if (!HavePdftoppm()) GTEST_SKIP() << "pdftoppm is not installed";
  double across = 0, down = 0;
  MeasureSquare(state, commands, dir.path(), across, down);
  EXPECT_NEAR(across, 4.0, 0.01);
  EXPECT_NEAR(down, 4.0, 0.01);
}

TEST_F(ExportCommandsTest, TheCalibrationSquareMeasuresOneHundredMillimetresOnA4) {
  if (!HavePdftoppm()) GTEST_SKIP() << "pdftoppm is not installed";
  state.HandleUserEvent([this] { state.presets().SwitchToMetric(); });
  ASSERT_FALSE(state.rec.ImperialUnits);
  printer.setPageSize(QPageSize(QPageSize::A4));
  double across = 0, down = 0;
  MeasureSquare(state, commands, dir.path(), across, down);
  EXPECT_NEAR(across * 25.4, 100.0, 0.25);
  EXPECT_NEAR(down * 25.4, 100.0, 0.25);
}

}  // namespace
}  // namespace varnloft
