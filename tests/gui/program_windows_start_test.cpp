// The program's start-up makes only the main window: the other windows and the printer are made
// when first needed, while the menus their items live in are complete from the start, the Safety
// item still says when a check fails, and the Illustrations window made late shows the same
// angle report as one that followed every design.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <vector>

#include "app/preset_commands.h"
#include "app/qt/program_windows.h"
#include "design/angle_report.h"
#include "platform/qt/picture.h"

namespace varnloft {
namespace {

struct StartedProgram {
  StartedProgram() {
    windows.ShowMainWindow();
    QApplication::processEvents();  // the first activation designs the built-in table
    designs.push_back(windows.state().rec);
  }
  void Preset(const std::string& item) {
    windows.mainWindow().Run([&] { windows.state().presets().ApplyPreset(item); });
    QApplication::processEvents();
    designs.push_back(windows.state().rec);
  }
  // The angle report as the Illustrations window showed it when it was drawn after every design.
  QImage ReportFollowingEveryDesign() const {
    Picture picture(518, 237);
    for (const DesignRecord& rec : designs)
      picture.Draw([&rec](Canvas& canvas) { DrawAngleReport(rec, canvas); });
    return picture.Image();
  }

  ProgramWindows windows;
  std::vector<DesignRecord> designs;  // the record after each design
};

// The program's windows besides the main window (its combo boxes' lists are windows too).
std::vector<QWidget*> OtherWindows() {
  std::vector<QWidget*> others;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QDialog*>(w) != nullptr || qobject_cast<Table3dWindow*>(w) != nullptr)
      others.push_back(w);
  return others;
}

TEST(ProgramStart, MakesOnlyTheMainWindowYetEveryMenuItemIsThere) {
  StartedProgram p;
  EXPECT_GT(p.windows.state().rec.LegAngle, 0);  // the first design is drawn
  EXPECT_TRUE(OtherWindows().empty());
  for (const char* item : {"View3d", "ViewSafety", "Export3dModel", "ExportBuildPacket"})
    EXPECT_NE(p.windows.mainWindow().findChild<QAction*>(item), nullptr) << item;
  EXPECT_EQ(p.windows.mainWindow().findChild<QAction*>("ViewSafety")->text(),
            "&Safety Check\u2026");

  // The wheelchair table's seats sag: the item says so with the Safety window still not made.
  p.Preset("Adultwheelchairbothends1");
  EXPECT_EQ(p.windows.mainWindow().findChild<QAction*>("ViewSafety")->text(),
            "&Safety Check\u2026  (a check fails)");
  EXPECT_TRUE(OtherWindows().empty());

  // Opening one window makes that window alone.
  p.windows.mainWindow().findChild<QAction*>("View3d")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(OtherWindows().size(), 1u);
  EXPECT_TRUE(p.windows.table3dWindow().isVisible());
  p.windows.table3dWindow().hide();
}

TEST(ProgramStart, TheAngleReportMadeLateIsTheOneThatFollowedEveryDesign) {
  {
    // One design: the first drawing starts from the picture's first pen.
    StartedProgram p;
    EXPECT_EQ(p.windows.illustrations().AngleReportImage(), p.ReportFollowingEveryDesign());
  }
  // Several designs: later drawings start from the pen the one before left.
  StartedProgram p;
  p.Preset("Adultwheelchairbothends1");
  p.Preset("BabyTable1");
  const QImage late = p.windows.illustrations().AngleReportImage();
  EXPECT_EQ(late, p.ReportFollowingEveryDesign());
  EXPECT_NE(late, StartedProgram().ReportFollowingEveryDesign());
  // Once made, the window follows every design at once.
  p.Preset("Adultecono1");
  EXPECT_EQ(p.windows.illustrations().AngleReportImage(), p.ReportFollowingEveryDesign());
}

}  // namespace
}  // namespace varnloft
