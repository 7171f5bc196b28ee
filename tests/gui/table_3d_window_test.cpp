// The 3D View window: opened from View > 3D View… (Ctrl+3) in the real program, it follows
// every design, turns with a drag, zooms with the wheel, names the piece under the mouse,
// resets its view and explodes the table; it marks the pieces of a failed fit check and says
// when there is no table to show. File > Export > 3D model… writes the file its dialog names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <set>

#include "app/design_commands.h"
#include "app/qt/program_windows.h"
#include "model3d/table_renderer.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"
#include "safety/limit_shares.h"
#include "tests/app/scripted_window_calls.h"

namespace varnloft {
namespace {

Rgb ColourAt(const RenderTarget& t, QPoint at) {
  unsigned char b[4];
  std::memcpy(b, &t.rgba[static_cast<size_t>(at.y()) * t.width + at.x()], 4);
  return {b[0], b[1], b[2]};
}

int CountRed(const RenderTarget& t) {
  int n = 0;
  for (int y = 0; y < t.height; ++y)
    for (int x = 0; x < t.width; ++x) {
      const Rgb c = ColourAt(t, QPoint(x, y));
      n += c.r > 150 && c.g < 100 && c.b < 90;
    }
  return n;
}

// The pixel of `piece` nearest the middle of what shows of it.
QPoint PointOn(const RenderTarget& t, int piece) {
  double sx = 0, sy = 0, n = 0;
  for (int y = 0; y < t.height; ++y)
    for (int x = 0; x < t.width; ++x)
      if (t.PieceAt(x, y) == piece) sx += x, sy += y, ++n;
  QPoint best(-1, -1);
  double bestDistance = 1e300;
  for (int y = 0; y < t.height; ++y)
    for (int x = 0; x < t.width; ++x)
      if (t.PieceAt(x, y) == piece) {
        const double d = (x - sx / n) * (x - sx / n) + (y - sy / n) * (y - sy / n);
        if (d < bestDistance) bestDistance = d, best = QPoint(x, y);
      }
  return best;
}

// The mouse moved over `widget` with no button held, as the window system reports it.
void Hover(QWidget* widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

struct ViewProgram {
  ViewProgram() {
    windows.ShowMainWindow();
    QApplication::processEvents();  // the first activation designs the built-in table
  }
  MainWindowWidget& mainWidget() { return windows.mainWindow(); }
  Table3dWindow& window() { return windows.table3dWindow(); }
  Table3dView& view() { return *window().view; }

  // Ctrl+3 in the main window, as a user opens it.
  void Open3dView() {
    QApplication::setActiveWindow(&mainWidget());
    QTest::keyClick(&mainWidget(), Qt::Key_3, Qt::ControlModifier);
    QApplication::processEvents();
    window().resize(800, 600);
    QApplication::processEvents();
  }

  ProgramWindows windows;
};

TEST(Table3dWindow, OpensFromTheViewMenuAndPaintsTheRenderedTable) {
  ViewProgram p;
  // View: Materials…, then 3D View….
  QAction* item = p.mainWidget().viewMenu()->actions().value(1);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QString::fromUtf8("&3D View\u2026"));
  EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+3"));
  EXPECT_FALSE(p.window().isVisible());
  p.Open3dView();
  ASSERT_TRUE(p.window().isVisible());
  EXPECT_TRUE(p.mainWidget().isEnabled());  // not modal

  const Table3dScene& scene = p.window().scene();
  ASSERT_TRUE(scene.fit.ok);
  EXPECT_EQ(p.window().message->text(),
            QString("The %1 pieces fit together.").arg(scene.model.pieces.size()));
  const RenderTarget& shown = p.view().Rendered();
  EXPECT_EQ(QSize(shown.width, shown.height), p.view().size());
  std::set<int> seen;
  for (std::uint16_t id : shown.piece)
    if (id != kNoPiece) seen.insert(id);
  EXPECT_GT(seen.size(), scene.model.pieces.size() / 2);
  EXPECT_EQ(CountRed(shown), 0);

  // What the widget paints is the buffer, pixel for pixel.
  const QImage painted = p.view().grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (QPoint at : {PointOn(shown, *seen.begin()), QPoint(0, 0), QPoint(shown.width / 2, 40)}) {
    const Rgb c = ColourAt(shown, at);
    EXPECT_EQ(painted.pixel(at), qRgb(c.r, c.g, c.b));
  }
}

// Colouring by share of limit: off at first (the wood, pixel for pixel); on, the legs and frames
// grey, the loaded members in their share's colour from the Safety window's check, red where a
// heavier person takes them past their limit; the piece under the mouse says its share; off
// again, the wood as before.
TEST(Table3dWindow, ColoursEachPieceByItsShareOfItsLimitWhenAsked) {
  ViewProgram p;
  p.Open3dView();
  Table3dWindow& w = p.window();
  EXPECT_FALSE(w.shareColours->isChecked());
  EXPECT_FALSE(w.shareLegend->isVisible());
  const RenderTarget wood = p.view().Rendered();

  w.shareColours->setChecked(true);
  QApplication::processEvents();
  EXPECT_TRUE(w.shareLegend->isVisible());
  const TableModel& model = w.scene().model;
  const RenderTarget& shaded = p.view().Rendered();
  EXPECT_EQ(CountRed(shaded), 0);  // the built-in table passes
  int leg = -1, seat = -1;
  for (size_t i = 0; i < model.pieces.size(); ++i) {
    if (model.pieces[i].member == "Leg" && leg < 0) leg = static_cast<int>(i);
    if (model.pieces[i].member == "Seat" && seat < 0) seat = static_cast<int>(i);
  }
  ASSERT_GE(leg, 0);
  ASSERT_GE(seat, 0);
  const Rgb grey = ColourAt(shaded, PointOn(shaded, leg));
  EXPECT_TRUE(grey.r == grey.g && grey.g == grey.b) << int(grey.r) << "," << int(grey.g);
  const Rgb seatColour = ColourAt(shaded, PointOn(shaded, seat));
  const Rgb expected =
      ShareColour(PieceShares(model, p.windows.safetyWindow().result().check)[seat]);
  // The same hue under the face's light: the channels keep their order.
  EXPECT_EQ(seatColour.g > seatColour.b, expected.g > expected.b);
  EXPECT_EQ(seatColour.r > seatColour.g, expected.r > expected.g);

  Hover(&p.view(), PointOn(shaded, seat));
  EXPECT_TRUE(w.pieceLabel->text().contains("% of its limit"))
      << w.pieceLabel->text().toStdString();

  p.windows.safetyWindow().settings.personMassKg = 400;
  p.windows.safetyWindow().SettingsChanged();
  QApplication::processEvents();
  EXPECT_GT(CountRed(p.view().Rendered()), 200);

  w.shareColours->setChecked(false);
  QApplication::processEvents();
  Hover(&p.view(), QPoint(0, 0));
  EXPECT_TRUE(p.view().Rendered().rgba == wood.rgba);
  EXPECT_FALSE(w.pieceLabel->text().contains("% of its limit"));
}

// A 3D View made after the check of a failing design colours by that check.
TEST(Table3dWindow, MadeAfterAFailingCheckColoursByIt) {
  ViewProgram p;
  p.mainWidget().menuAction("Adultwheelchairbothends1")->trigger();  // its seats sag too far
  QApplication::processEvents();
  p.Open3dView();
  p.window().shareColours->setChecked(true);
  QApplication::processEvents();
  EXPECT_GT(CountRed(p.view().Rendered()), 200);
}

TEST(Table3dWindow, FollowsANewDesign) {
  ViewProgram p;
  p.Open3dView();
  const double height = p.window().scene().fit.boundingBox.z;
  p.mainWidget().menuAction("TallBoy1")->trigger();
  QApplication::processEvents();
  EXPECT_NEAR(p.window().scene().fit.boundingBox.z, p.windows.state().rec.TableHeight, 1e-6);
  EXPECT_GT(p.window().scene().fit.boundingBox.z, height + 0.1);

  // Closed, the window does no work; shown again, it has the latest design.
  p.window().close();
  p.mainWidget().menuAction("AdultStandard1")->trigger();
  QApplication::processEvents();
  EXPECT_GT(p.window().scene().fit.boundingBox.z, height + 0.1);
  p.Open3dView();
  EXPECT_NEAR(p.window().scene().fit.boundingBox.z, p.windows.state().rec.TableHeight, 1e-6);
  EXPECT_LT(p.window().scene().fit.boundingBox.z, height + 0.1);
}

TEST(Table3dWindow, DragTurnsWheelZoomsHoverNamesAndResetRestores) {
  ViewProgram p;
  p.Open3dView();
  Table3dView& view = p.view();
  const RenderTarget& shown = view.Rendered();
  const OrbitCamera start = view.camera();

  // The piece under the mouse is named with its length and lumber, and drawn lighter.
  const int leg = 0;  // "Leg 1"
  const QPoint onLeg = PointOn(shown, leg);
  ASSERT_GE(onLeg.x(), 0);
  Hover(&view, onLeg);
  EXPECT_EQ(view.hoveredPiece(), leg);
  EXPECT_EQ(p.window().pieceLabel->text().toStdString(), p.window().scene().descriptions[leg]);
  EXPECT_EQ(p.window().pieceLabel->text().left(7), "Leg 1: ");
  EXPECT_NE(p.window().pieceLabel->text().indexOf(" long, 2 X 4"), -1);
  const Rgb lit = ColourAt(view.Rendered(), onLeg);
  Hover(&view, QPoint(2, 2));  // the background
  EXPECT_EQ(view.hoveredPiece(), -1);
  EXPECT_GT(lit.r + lit.g + lit.b, [&] {
    const Rgb c = ColourAt(view.Rendered(), onLeg);
    return c.r + c.g + c.b;
  }());

  // A drag of 50 pixels right and 25 down turns the camera 20 degrees left and 10 up.
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(&view, QPoint(350, 325));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(350, 325));
  EXPECT_NEAR(view.camera().azimuth, start.azimuth - 20, 1e-9);
  EXPECT_NEAR(view.camera().elevation, start.elevation + 10, 1e-9);

  QWheelEvent wheel(QPointF(300, 300), view.mapToGlobal(QPointF(300, 300)), QPoint(),
                    QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &wheel);
  EXPECT_NEAR(view.camera().zoom, start.zoom * 1.15 * 1.15, 1e-9);

  // The explode slider moves the pieces apart; Reset view restores the camera.
  p.window().explodeSlider->setValue(60);
  EXPECT_DOUBLE_EQ(view.explode(), 0.6);
  QTest::mouseClick(p.window().resetButton, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(view.camera().azimuth, start.azimuth);
  EXPECT_DOUBLE_EQ(view.camera().elevation, start.elevation);
  p.window().explodeSlider->setValue(0);
  QTest::mouseClick(p.window().resetButton, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(view.camera().zoom, start.zoom);
  EXPECT_DOUBLE_EQ(view.camera().radius, start.radius);
}

TEST(Table3dWindow, ExportWritesTheFileTheDialogNames) {
  ViewProgram p;
  QAction* item = p.mainWidget().exportMenu()->findChild<QAction*>("Export3dModel");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QString::fromUtf8("&3D model\u2026"));
  QTemporaryDir dir;
  QString proposed, folder;
  p.windows.modelExport().askSaveFileName = [&](QWidget*, const QString& start, const QString& name,
                                                QString& type) {
    folder = start;
    proposed = name;
    type = ModelExport::FileTypes().at(1);  // STL chosen, the name typed without extension
    return dir.filePath("table");
  };
  item->trigger();
  EXPECT_EQ(proposed.toStdString(), "Picnic Table.obj");
  const size_t triangles = [&] {
    size_t n = 0;
    for (const ModelPiece& piece : p.window().scene().model.pieces) n += piece.mesh.faces.size();
    return n;
  }();
  ASSERT_TRUE(QFileInfo::exists(dir.filePath("table.stl")));
  EXPECT_GE(QFileInfo(dir.filePath("table.stl")).size(), qint64(84 + 50 * triangles));
}

// The window over a plain main window whose message boxes are scripted.
struct DesignedWindow {
  DesignedWindow() : clock(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}), w(prompts, clock, shell) {
    window = std::make_unique<Table3dWindow>(w.rec);
    calls.designChanged = [this] { window->DesignChanged(); };
    w.SetCalls(calls);
    w.StartUp();
    w.HandleUserEvent([this] { w.design().Activate(); });
    window->resize(640, 480);
    window->show();
    QApplication::processEvents();
  }
  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  ScriptedWindowCalls calls;
  MainWindow w;
  std::unique_ptr<Table3dWindow> window;
};

TEST(Table3dWindow, MarksThePiecesOfAFailedFitCheckAndNamesThem) {
  DesignedWindow d;
  d.prompts.answer = Answer::No;
  d.w.HandleUserEvent([&] { d.w.design().ChooseItem("deckBoardCount.0", "2"); });
  d.w.HandleUserEvent([&] { d.w.design().PressDesign(); });
  ASSERT_FALSE(d.window->scene().fit.ok);
  EXPECT_EQ(d.window->message->text(),
            "The pieces in red pass through each other: Leg 1 with Leg 2 and Leg 3 with Leg 4.");
  EXPECT_NE(d.window->message->toolTip().indexOf("Leg 1 and Leg 2 pass through each other"), -1);
  EXPECT_GT(CountRed(d.window->view->Rendered()), 200);
}

TEST(Table3dWindow, AfterAFailedCalculationSaysTheTableCannotBeShown) {
  DesignedWindow d;
  d.w.HandleUserEvent([&] { d.w.design().TypeIntoBox("tableHeight.0", "abc"); });
  d.w.HandleUserEvent([&] { d.w.design().PressDesign(); });
  ASSERT_TRUE(d.w.rec.LastCalculationFailed);
  EXPECT_EQ(d.window->message->text(), "The table cannot be shown: the last calculation failed.");
  EXPECT_FALSE(d.window->scene().HasTable());
  EXPECT_EQ(d.window->pieceLabel->text(), "");
  Hover(d.window->view, QPoint(320, 200));
  EXPECT_EQ(d.window->view->hoveredPiece(), -1);
  const QImage painted = d.window->view->grab().toImage();
  EXPECT_EQ(painted.pixel(5, 5),
            qRgb(kBackgroundColour.r, kBackgroundColour.g, kBackgroundColour.b));

  // Export refuses with the reason.
  ModelExport exporter(d.w.rec, d.prompts);
  bool asked = false;
  exporter.askSaveFileName = [&](QWidget*, const QString&, const QString&, QString&) {
    asked = true;
    return QString("/tmp/never.obj");
  };
  exporter.Run(nullptr);
  EXPECT_FALSE(asked);
  EXPECT_EQ(d.prompts.shown.back().text,
            "There is no table to export: the last calculation failed.");
}

TEST(Table3dWindow, ExportNamesTheReasonOfAFailedWrite) {
  DesignedWindow d;
  ModelExport exporter(d.w.rec, d.prompts);
  QTemporaryDir dir;
  QString target = dir.filePath("missing folder/table.glb");
  exporter.askSaveFileName = [&](QWidget*, const QString&, const QString&, QString&) {
    return target;
  };
  const size_t boxes = d.prompts.shown.size();
  exporter.Run(nullptr);
  ASSERT_EQ(d.prompts.shown.size(), boxes + 1);
  EXPECT_EQ(d.prompts.shown.back().kind, "error");
  EXPECT_EQ(d.prompts.shown.back().text, "The 3D model could not be written to '" +
                                             target.toStdString() +
                                             "': No such file or directory.");
  EXPECT_EQ(ModelExport::WithExtension("a.GLB", ModelExport::FileTypes().at(0)), "a.GLB");
  EXPECT_EQ(ModelExport::WithExtension("a.txt", ModelExport::FileTypes().at(2)), "a.txt.glb");
}

}  // namespace
}  // namespace varnloft
