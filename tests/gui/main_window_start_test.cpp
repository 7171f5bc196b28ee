// The real main window at start-up: built-in values in its boxes, Design pressed by the first
// activation, the green width labels in place of the size boxes, and bad input reported.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <utility>

#include "app/qt/main_window_widget.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

// The Qt main window on the shared fixture's state; showing it runs the first activation.
struct ShownMainWindow : ScriptedMainWindow {
  ShownMainWindow() : window(std::make_unique<MainWindowWidget>(w)) {
    w.StartUp();
    window->SyncFromState();
    window->resize(1024, 740);
    window->show();
    QApplication::processEvents();  // the first show runs the activation
  }
  MainWindow& state = w;  // the plain state behind the widgets
  std::unique_ptr<MainWindowWidget> window;
};

TEST(MainWindowStart, ShowsBuiltInValuesAndDesignsOnActivation) {
  ShownMainWindow w;
  EXPECT_EQ(w.window->edit("overallLength.0")->text(), "6");
  EXPECT_EQ(w.window->edit("tableHeight.1")->text(), "5");
  EXPECT_EQ(w.window->edit("deckGap.1")->text(), "4");
  EXPECT_EQ(w.window->windowTitle(),
            "   Untitled[*] - Tellwick Picnic Tables Varnloft       Monday,  December 7, 2026");
  EXPECT_FALSE(w.window->isWindowModified());
  EXPECT_EQ(w.window->statusPanel(0)->text(), "Adult Standard Size Table");
  EXPECT_EQ(w.window->statusPanel(1)->text(), "Complimentary Software and Plans Version 6.0.0.2.");

  // The activation pressed Design: the record is complete and the green labels show.
  EXPECT_NEAR(w.state.rec.LegAngle, 30.96, 0.01);
  EXPECT_FALSE(w.state.rec.NoticeText.empty());
  EXPECT_TRUE(w.window->label("tableTopSize.label")->isVisible());
  EXPECT_EQ(w.window->label("tableTopSize.label")->text(), "5   1/2\" ");
  EXPECT_FALSE(w.window->combo("tableTopSize.0")->isVisible());
  EXPECT_TRUE(w.window->button("metricButton")->isEnabled());
  EXPECT_FALSE(w.window->button("imperialButton")->isEnabled());
  EXPECT_TRUE(w.prompts.shown.empty());

  // The buttons' captions as the user reads them (not the roles the code knows them by).
  const std::pair<const char*, const char*> captions[] = {{"imperialButton", "Imperial"},
                                                          {"metricButton", "Metric"},
                                                          {"designButton", "Design"},
                                                          {"plansButton", "Plans"},
                                                          {"printButton", "Print"}};
  for (const auto& [role, caption] : captions)
    EXPECT_EQ(w.window->button(role)->text().toStdString(), caption);
}

TEST(MainWindowStart, TypingThenDesignMakesACustomDesign) {
  ShownMainWindow w;
  QLineEdit* seatToTable = w.window->edit("seatToTableDistance.0");
  seatToTable->selectAll();
  QTest::keyClicks(seatToTable, "4");
  EXPECT_EQ(w.state.form.Text("seatToTableDistance.0"), "4");
  EXPECT_TRUE(w.state.rec.CustomDesignMode);
  QTest::mouseClick(w.window->button("designButton"), Qt::LeftButton);
  EXPECT_EQ(w.window->statusPanel(0)->text(), "Custom Design Table");
  EXPECT_TRUE(w.window->menuAction("CustomDesign1")->isChecked());
  EXPECT_FALSE(w.window->menuAction("AdultStandard1")->isChecked());
  EXPECT_NEAR(w.state.rec.SeatToTableDistance * 12, 4.0, 1e-5);
}

TEST(MainWindowStart, EnterInABoxPressesDesign) {
  ShownMainWindow w;
  QLineEdit* length = w.window->edit("overallLength.0");
  length->setFocus();
  length->selectAll();
  QTest::keyClicks(length, "8");
  EXPECT_FLOAT_EQ(w.state.rec.OverallLength, 6.0f);  // typing alone designs nothing
  QTest::keyClick(length, Qt::Key_Return);
  EXPECT_FLOAT_EQ(w.state.rec.OverallLength, 8.0f);
  EXPECT_EQ(w.window->statusPanel(0)->text(), "Custom Design Table");
  EXPECT_EQ(w.state.UndoMenuText(), "Undo Typing: Overall Length");

  // The keypad's Enter in a count's box designs too, and a bad text gets the error box.
  QComboBox* seats = w.window->combo("seatBoardCount.0");
  seats->lineEdit()->selectAll();
  QTest::keyClicks(seats->lineEdit(), "1");
  QTest::keyClick(seats->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FLOAT_EQ(w.state.rec.SeatBoardCount, 1.0f);
  length->selectAll();
  QTest::keyClicks(length, "x");
  QTest::keyClick(length, Qt::Key_Return);
  ASSERT_EQ(w.prompts.shown.size(), 1u);
  EXPECT_EQ(w.prompts.shown[0].text, "'x' is not a valid floating point value");
  EXPECT_EQ(length->text(), "x");
}

TEST(MainWindowStart, BadEntryIsReportedAndKept) {
  ShownMainWindow w;
  QLineEdit* height = w.window->edit("tableHeight.0");
  height->selectAll();
  QTest::keyClicks(height, "2x");
  QTest::mouseClick(w.window->button("designButton"), Qt::LeftButton);
  ASSERT_EQ(w.prompts.shown.size(), 1u);
  EXPECT_EQ(w.prompts.shown[0].kind, "error");
  EXPECT_EQ(w.prompts.shown[0].text, "'2x' is not a valid floating point value");
  EXPECT_EQ(height->text(), "2x");  // nothing typed is lost
  EXPECT_TRUE(w.window->isEnabled());
}

}  // namespace
}  // namespace varnloft
