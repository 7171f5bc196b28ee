// The main window's File and Edit menus on the offscreen platform: the unsaved-changes question
// on Exit, New and Open, Save As through a replaced file dialog, the title and its mark, typing
// that is one step until the focus leaves the box, Undo from the keyboard, and Open Recent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "app/qt/main_window_calls.h"
#include "app/qt/main_window_widget.h"
#include "app/qt/recent_files.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft {
namespace {

struct FileMenuWindow : ::testing::Test {
  FileMenuWindow() : clock(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}), state(prompts, clock, shell) {
    window = std::make_unique<MainWindowWidget>(state);
    calls.SetWidget(window.get());
    state.SetCalls(calls);
    state.StartUp();
    window->SyncFromState();
    window->askOpenFileName = [this](const QString&) {
      ++openDialogs;
      return openAnswer;
    };
    window->askSaveFileName = [this](const QString&, const QString& proposed) {
      ++saveDialogs;
      proposedName = proposed;
      return saveAnswer;
    };
    window->resize(1024, 740);
    window->show();
    QApplication::processEvents();  // the first show runs the activation
  }
  ~FileMenuWindow() override {
    // Whatever a test left unsaved goes without a question.
    prompts.answer = Answer::No;
    window->close();
  }

  void Trigger(const char* item) { window->documentAction(item)->trigger(); }
  void Preset(const char* item) { window->menuAction(item)->trigger(); }
  QString File(const char* name) const { return dir.filePath(name); }

  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindowCalls calls;  // the main window's own: its file dialogs, Open Recent, closing
  MainWindow state;
  std::unique_ptr<MainWindowWidget> window;
  QTemporaryDir dir;
  int openDialogs = 0, saveDialogs = 0;
  QString openAnswer, saveAnswer, proposedName;
};

TEST_F(FileMenuWindow, ExitAsksAboutUnsavedChanges) {
  Preset("TallBoy1");
  EXPECT_TRUE(window->isWindowModified());
  prompts.answer = Answer::Cancel;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "Save changes to Untitled before closing?");

  // Save: the save dialog proposes a name; cancelling it keeps the window open.
  prompts.answer = Answer::Yes;
  EXPECT_FALSE(window->close());
  EXPECT_EQ(saveDialogs, 1);
  EXPECT_EQ(proposedName, "Untitled.varnloft");
  EXPECT_TRUE(window->isVisible());

  // Save to a file: the design is written and the window closes.
  saveAnswer = File("exit.varnloft");
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(QFile::exists(File("exit.varnloft")));
}

TEST_F(FileMenuWindow, ExitDiscardsWhenTold) {
  Preset("TallBoy1");
  prompts.answer = Answer::No;
  window->menuAction("Exit1")->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(prompts.shown.back().answer, "Discard");
}

TEST_F(FileMenuWindow, NewAsksAndThenShowsTheBuiltInDesign) {
  Preset("BabyTable1");
  prompts.answer = Answer::Cancel;
  Trigger("New");
  EXPECT_EQ(window->edit("overallLength.0")->text(), "3");
  prompts.answer = Answer::No;
  Trigger("New");
  EXPECT_EQ(window->edit("overallLength.0")->text(), "6");
  EXPECT_EQ(window->statusPanel(0)->text(), "Adult Standard Size Table");
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_FALSE(window->documentAction("Undo")->isEnabled());
  EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(FileMenuWindow, SaveAsThenOpenAfterTheQuestion) {
  Preset("TallBoy1");
  EXPECT_EQ(window->documentAction("Undo")->text(), "Undo Preset: Tall Boy");
  saveAnswer = File("tall.varnloft");
  Trigger("SaveAs");
  EXPECT_EQ(
      window->windowTitle(),
      "   tall.varnloft[*] - Tellwick Picnic Tables Varnloft       Monday,  December 7, 2026");
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_TRUE(window->documentAction("Revert")->isEnabled());

  Preset("BabyTable1");
  EXPECT_TRUE(window->isWindowModified());
  openAnswer = File("tall.varnloft");
  prompts.answer = Answer::Cancel;
  Trigger("Open");
  EXPECT_EQ(openDialogs, 0);
  EXPECT_EQ(prompts.shown.back().text, "Save changes to tall.varnloft before closing?");
  EXPECT_EQ(window->edit("overallLength.0")->text(), "3");

  prompts.answer = Answer::No;
  Trigger("Open");
  EXPECT_EQ(openDialogs, 1);
  EXPECT_EQ(window->edit("overallLength.0")->text(), "7");  // Tall Boy, as saved
  EXPECT_EQ(window->statusPanel(0)->text(), "Tall Boy Table (Persons over 6' tall)");
  EXPECT_TRUE(window->menuAction("TallBoy1")->isChecked());
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_FALSE(window->documentAction("Undo")->isEnabled());
  EXPECT_NEAR(state.rec.OverallLength, 7.0, 1e-6);  // designed by the activation
}

TEST_F(FileMenuWindow, TypingIsOneStepUntilTheFocusLeavesAndCtrlZUndoesIt) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QLineEdit* length = window->edit("overallLength.0");
  length->setFocus();
  length->selectAll();
  QTest::keyClicks(length, "12");
  EXPECT_EQ(window->documentAction("Undo")->text(), "Undo Typing: Overall Length");
  EXPECT_TRUE(window->isWindowModified());
  window->edit("tableHeight.0")->setFocus();  // the focus leaves: the typing is one step
  QTest::keyClicks(window->edit("tableHeight.0"), "3");
  EXPECT_EQ(state.form.Text("tableHeight.0"), "23");

  // Ctrl+Z in a box undoes the window's last step, not the box's own typing.
  QTest::keyClick(window->edit("tableHeight.0"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window->edit("tableHeight.0")->text(), "2");
  EXPECT_EQ(window->edit("overallLength.0")->text(), "12");
  QTest::keyClick(window->edit("tableHeight.0"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window->edit("overallLength.0")->text(), "6");
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(window->documentAction("Redo")->text(), "Redo Typing: Overall Length");
  QTest::keyClick(window->edit("tableHeight.0"), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(window->edit("overallLength.0")->text(), "12");
}

TEST_F(FileMenuWindow, OpenRecentKeepsTheLastEightFiles) {
  auto settings = std::make_unique<QSettings>(File("settings.ini"), QSettings::IniFormat);
  RecentFiles recent(std::move(settings));
  window->SetRecentFiles(&recent);
  EXPECT_FALSE(window->recentMenu()->isEnabled());
  for (int i = 0; i < 10; ++i) {
    saveAnswer = File(qPrintable(QString("d%1.varnloft").arg(i)));
    Preset(i % 2 ? "TallBoy1" : "BabyTable1");
    Trigger("SaveAs");
  }
  const QStringList files = recent.Files();
  ASSERT_EQ(files.size(), RecentFiles::kMaxFiles);
  EXPECT_EQ(files.first(), File("d9.varnloft"));
  EXPECT_EQ(files.last(), File("d2.varnloft"));
  EXPECT_TRUE(window->recentMenu()->isEnabled());

  // The list outlives the window: a new RecentFiles on the same settings reads it back.
  EXPECT_EQ(
      RecentFiles(std::make_unique<QSettings>(File("settings.ini"), QSettings::IniFormat)).Files(),
      files);

  emit window->recentMenu()->aboutToShow();
  const auto items = window->recentMenu()->actions();
  ASSERT_EQ(items.size(), RecentFiles::kMaxFiles);
  EXPECT_EQ(items[1]->text(), "&2 d8.varnloft");
  items[1]->trigger();  // no changes since the last save: no question
  EXPECT_EQ(state.DesignName(), "d8.varnloft");
  EXPECT_EQ(window->edit("overallLength.0")->text(), "3");
  EXPECT_EQ(recent.Files().first(), File("d8.varnloft"));
  window->SetRecentFiles(nullptr);
}

}  // namespace
}  // namespace varnloft
