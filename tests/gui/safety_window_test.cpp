// The Safety window in the real program: View > Safety Check… after the 3D View, not modal,
// following every design (and saying when the check cannot be made), the menu item telling a
// failing check without the window open, a suggestion applied by a click redesigning as one
// undo step that Undo takes back, the wood as an undoable change, and a refused setting.
#include "app/qt/safety_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/design_commands.h"
#include "app/file_commands.h"
#include "app/preset_commands.h"
#include "app/qt/clickable_label.h"
#include "app/qt/program_windows.h"
#include "safety/safety_picture.h"

namespace varnloft {
namespace {

struct SafetyProgram {
  SafetyProgram() {
    windows = std::make_unique<ProgramWindows>();
    windows->KeepSafetySettings(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
    windows->ShowMainWindow();
    QApplication::processEvents();  // the first activation designs the built-in table
  }
  MainWindowWidget& main() { return windows->mainWindow(); }
  SafetyWindow& safety() { return windows->safetyWindow(); }
  QAction* item() { return main().findChild<QAction*>("ViewSafety"); }
  void Preset(const std::string& item) {
    main().Run([&] { windows->state().presets().ApplyPreset(item); });
    QApplication::processEvents();
  }
  QTemporaryDir scratch;
  QString settingsFile = scratch.filePath("settings.ini");
  std::unique_ptr<ProgramWindows> windows;
};

// Presses OK on the next message box (the failed calculation's error box).
void CloseNextBox() {
  QTimer::singleShot(0, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
}

int FailRows(const QTableWidget& table) {
  int fails = 0;
  for (int r = 0; r < table.rowCount(); ++r) fails += table.item(r, 5)->text() == "FAIL";
  return fails;
}

TEST(SafetyWindow, OpensAfterThe3dViewAndFollowsEveryDesign) {
  SafetyProgram p;
  QAction* item = p.item();
  ASSERT_NE(item, nullptr);
  const QList<QAction*> view = p.main().viewMenu()->actions();
  ASSERT_GE(view.indexOf(item), 1);
  EXPECT_EQ(view.at(view.indexOf(item) - 1)->objectName(), "View3d");
  EXPECT_EQ(item->text(), "&Safety Check\u2026");  // the built-in table passes
  auto* warning = p.main().findChild<ClickableLabel*>("SafetyWarning");
  ASSERT_NE(warning, nullptr);
  EXPECT_FALSE(warning->isVisible());

  item->trigger();
  SafetyWindow& w = p.safety();
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(w.isModal());
  EXPECT_TRUE(p.main().isEnabled());
  EXPECT_EQ(w.findChild<QLabel*>("disclaimer")->text(), kSafetyDisclaimer);
  // The default person in the design's measure (110 kg is 243 lb).
  EXPECT_EQ(w.personBox->placeholderText(), "243 lb (121 lb at a children's table)");
  EXPECT_TRUE(w.verdictLabel->text().startsWith("PASS"));
  EXPECT_EQ(w.table->rowCount(), 10 + 6);  // ten tipping cases, three members' sag and stress
  EXPECT_EQ(FailRows(*w.table), 0);
  EXPECT_TRUE(w.table->item(10, 1)->text().endsWith(" in"));  // the design's measure
  EXPECT_TRUE(w.suggestionButtons.empty());

  // The wheelchair table's seats sag: a failing row, suggestions, and the menu says so.
  p.Preset("Adultwheelchairbothends1");
  EXPECT_TRUE(w.verdictLabel->text().startsWith("FAIL"));
  EXPECT_GT(FailRows(*w.table), 0);
  // The first failing row is scrolled into view.
  int firstFail = 0;
  while (w.table->item(firstFail, 5)->text() != "FAIL") ++firstFail;
  EXPECT_TRUE(
      w.table->viewport()->rect().intersects(w.table->visualItemRect(w.table->item(firstFail, 0))));
  EXPECT_FALSE(w.suggestionButtons.empty());
  EXPECT_EQ(item->text(), "&Safety Check\u2026  (a check fails)");
  EXPECT_EQ(w.pictureLabel->pixmap().width(), kSafetyPictureWidth);
  // The main window shows it without anything opened, and its click opens the window.
  EXPECT_TRUE(warning->isVisible());
  EXPECT_EQ(warning->text(), "A safety check fails: View > Safety Check\u2026");
  w.hide();
  emit warning->clicked();
  EXPECT_TRUE(w.isVisible());

  // A failed calculation: the check cannot be made, and the window says so.
  p.main().Run([&] { p.windows->state().design().TypeIntoBox("overallLength.0", "abc"); });
  CloseNextBox();
  p.main().Run([&] { p.windows->state().design().PressDesign(); });
  QApplication::processEvents();
  EXPECT_TRUE(w.verdictLabel->text().contains("cannot be made"))
      << w.verdictLabel->text().toStdString();
  EXPECT_EQ(w.table->rowCount(), 0);
  w.hide();
}

TEST(SafetyWindow, ASuggestionClickedRedesignsAsOneStepThatUndoTakesBack) {
  SafetyProgram p;
  p.Preset("Adultwheelchairbothends1");
  p.item()->trigger();
  SafetyWindow& w = p.safety();
  MainWindow& state = p.windows->state();
  const float before = state.rec.OverallLength;
  const std::string box = state.form.Text("overallLength.0");

  QPushButton* length = nullptr;
  for (QPushButton* b : w.suggestionButtons)
    if (b->text().contains("overall length")) length = b;
  ASSERT_NE(length, nullptr);
  QTest::mouseClick(length, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_LT(state.rec.OverallLength, before);
  EXPECT_FALSE(state.rec.LastCalculationFailed);
  for (const MemberStrength& m : w.result().check.strength)
    if (m.member == "Seat") {
      EXPECT_TRUE(m.ok);
    }
  EXPECT_EQ(state.UndoMenuText().rfind("Undo Safety suggestion: overall length", 0), 0u)
      << state.UndoMenuText();

  p.main().Run([&] { state.files().Undo(); });
  QApplication::processEvents();
  EXPECT_EQ(state.rec.OverallLength, before);
  EXPECT_EQ(state.form.Text("overallLength.0"), box);
  EXPECT_TRUE(w.verdictLabel->text().startsWith("FAIL"));  // followed the undo
  w.hide();
}

// The children's table with one wheelchair end fails all four figures there: the suggestion that
// changes them together (table height, table top boards, the left overhang) is typed into three
// rows of boxes by one click, the end then passes, and one undo takes the whole change back.
TEST(SafetyWindow, AWheelchairEndsSuggestionChangesSeveralBoxesAsOneStep) {
  SafetyProgram p;
  p.Preset("Childrenswheelchaironeend1");
  p.item()->trigger();
  SafetyWindow& w = p.safety();
  MainWindow& state = p.windows->state();
  ASSERT_EQ(w.result().check.accessibility.size(), 1u);
  ASSERT_FALSE(w.result().check.accessibility[0].ok);
  const DesignRecord before = state.rec;

  // Its many suggestions scroll with the picture: the window still fits an 800 pixel screen.
  EXPECT_GE(w.suggestionButtons.size(), 5u);
  EXPECT_LT(w.minimumSizeHint().height(), 600);
  EXPECT_LE(w.height(), QGuiApplication::primaryScreen()->availableGeometry().height());

  QPushButton* all = nullptr;
  for (QPushButton* b : w.suggestionButtons)
    if (b->text().startsWith("wheelchair: every figure (left end)")) all = b;
  ASSERT_NE(all, nullptr);
  QTest::mouseClick(all, Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_FALSE(state.rec.LastCalculationFailed);
  ASSERT_EQ(w.result().check.accessibility.size(), 1u);
  EXPECT_TRUE(w.result().check.accessibility[0].ok);
  EXPECT_GT(state.rec.TableHeight, before.TableHeight);
  EXPECT_GT(state.rec.DeckBoardCount, before.DeckBoardCount);
  EXPECT_GT(state.rec.LeftDeckOverhang, before.LeftDeckOverhang);

  p.main().Run([&] { state.files().Undo(); });
  QApplication::processEvents();
  EXPECT_EQ(state.rec.TableHeight, before.TableHeight);
  EXPECT_EQ(state.rec.DeckBoardCount, before.DeckBoardCount);
  EXPECT_EQ(state.rec.LeftDeckOverhang, before.LeftDeckOverhang);
  EXPECT_FALSE(w.result().check.accessibility[0].ok);
  w.hide();
}

TEST(SafetyWindow, TheWoodIsAnUndoableChoiceAndABadMassIsRefused) {
  SafetyProgram p;
  p.item()->trigger();
  SafetyWindow& w = p.safety();
  MainWindow& state = p.windows->state();
  const int c16 = w.speciesBox->findText("C16");
  ASSERT_GT(c16, 0);
  w.speciesBox->setCurrentIndex(c16);
  emit w.speciesBox->activated(c16);
  QApplication::processEvents();
  EXPECT_EQ(state.form.woodSpecies, WoodSpecies::C16);
  EXPECT_EQ(w.result().check.species, WoodSpecies::C16);
  p.main().Run([&] { state.files().Undo(); });
  QApplication::processEvents();
  EXPECT_FALSE(state.form.woodSpecies);
  EXPECT_EQ(w.speciesBox->currentIndex(), 0);

  w.personBox->setText("abc");
  emit w.personBox->editingFinished();
  EXPECT_TRUE(w.problemLabel->text().contains("Nothing was changed"));
  EXPECT_FALSE(w.settings.personMassKg);
  EXPECT_EQ(w.personBox->text(), "");

  w.personBox->setText("400 lb");
  emit w.personBox->editingFinished();
  EXPECT_TRUE(w.problemLabel->text().isEmpty());
  EXPECT_DOUBLE_EQ(*w.settings.personMassKg, 400 * 0.45359237);
  EXPECT_TRUE(w.verdictLabel->text().startsWith("FAIL"));
  // Kept for the next run.
  QSettings saved(p.settingsFile, QSettings::IniFormat);
  EXPECT_DOUBLE_EQ(saved.value("safety/personKg").toDouble(), 400 * 0.45359237);
  w.hide();
}

}  // namespace
}  // namespace varnloft
