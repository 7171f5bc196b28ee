// The two option dialogs as windows: opened from the main window, they keep the main window
// from taking input; however they close, the main window takes input again and its activation
// runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/qt/program_windows.h"

namespace varnloft {
namespace {

struct DialogsProgram {
  DialogsProgram() {
    windows.ShowMainWindow();
    QApplication::processEvents();  // the first activation designs the built-in table
  }
  MainWindow& state() { return windows.state(); }
  MainWindowWidget& mainWidget() { return windows.mainWindow(); }

  // The main window takes no input: its buttons and boxes ignore the mouse and the keyboard.
  void ExpectMainWindowTakesNoInput() {
    EXPECT_FALSE(mainWidget().isEnabled());
    EXPECT_FALSE(state().form.mainWindowEnabled);
    QTest::mouseClick(mainWidget().button("metricButton"), Qt::LeftButton);
    EXPECT_TRUE(state().rec.ImperialUnits);
    QTest::keyClicks(mainWidget().edit("overallLength.0"), "9");
    EXPECT_EQ(state().form.Text("overallLength.0"), "6");
    QTest::mouseClick(mainWidget().label("tableTopSize.label"), Qt::LeftButton);
    EXPECT_FALSE(state().form.at("tableTopSize.0").visible);
  }

  ProgramWindows windows;
};

TEST(OptionDialogWindows, ThicknessDialogClosedByACloseRequest) {
  DialogsProgram p;
  ThicknessDialogWindow& dialog = p.windows.thicknessDialog();
  p.mainWidget().menuAction("LumberThickness2")->trigger();
  ASSERT_TRUE(dialog.isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
  EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(dialog.inchesBox()->text(), "1");
  EXPECT_EQ(dialog.millimetresLabel()->text(), "38");
  p.ExpectMainWindowTakesNoInput();

  // Typing in the dialog updates the millimetres at once; an emptied box becomes 0.
  dialog.sixteenthsBox()->selectAll();
  QTest::keyClicks(dialog.sixteenthsBox(), "12");
  EXPECT_EQ(dialog.millimetresLabel()->text(), "44");
  dialog.inchesBox()->selectAll();
  QTest::keyClick(dialog.inchesBox(), Qt::Key_Delete);
  EXPECT_EQ(dialog.inchesBox()->text(), "0");
  EXPECT_EQ(dialog.inchesBox()->cursorPosition(), 1);
  EXPECT_EQ(dialog.millimetresLabel()->text(), "19");

  // Closed as a window manager closes it, neither OK nor Cancel.
  EXPECT_TRUE(dialog.close());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(p.mainWidget().isEnabled());
  QApplication::processEvents();  // the main window's activation
  EXPECT_FLOAT_EQ(p.state().rec.LumberThickness, 0.125f);
  EXPECT_EQ(p.mainWidget().statusPanel(0)->text(),
            "Custom Design Table");  // typed in the inches box
  QTest::mouseClick(p.mainWidget().button("metricButton"), Qt::LeftButton);
  EXPECT_FALSE(p.state().rec.ImperialUnits);
}

TEST(OptionDialogWindows, ThicknessDialogOKAndEscape) {
  DialogsProgram p;
  ThicknessDialogWindow& dialog = p.windows.thicknessDialog();
  p.mainWidget().label("thicknessLabel")->setVisible(true);
  QTest::mouseClick(p.mainWidget().label("thicknessLabel"), Qt::LeftButton);
  ASSERT_TRUE(dialog.isVisible());
  dialog.inchesBox()->selectAll();
  QTest::keyClicks(dialog.inchesBox(), "0");
  dialog.sixteenthsBox()->selectAll();
  QTest::keyClicks(dialog.sixteenthsBox(), "12");
  QTest::keyClick(dialog.sixteenthsBox(), Qt::Key_Return);  // OK is the default button
  EXPECT_FALSE(dialog.isVisible());
  QApplication::processEvents();
  EXPECT_FLOAT_EQ(p.state().rec.LumberThickness, 0.0625f);
  EXPECT_EQ(p.mainWidget().label("thicknessLabel")->text(), "(  3/4\"  )");

  // Esc is the Cancel button: back to 1 1/2 inches.
  p.mainWidget().menuAction("LumberThickness2")->trigger();
  ASSERT_TRUE(dialog.isVisible());
  QTest::keyClick(dialog.inchesBox(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(p.mainWidget().isEnabled());
  QApplication::processEvents();
  EXPECT_FLOAT_EQ(p.state().rec.LumberThickness, 0.125f);
  EXPECT_EQ(dialog.sixteenthsBox()->text(), "8");
}

TEST(OptionDialogWindows, ScaleDialogClosedByItsCloseBox) {
  DialogsProgram p;
  ScaleDialogWindow& dialog = p.windows.scaleDialog();
  p.mainWidget().menuAction("UserDefinedPercentageSetting1")->trigger();
  ASSERT_TRUE(dialog.isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
  EXPECT_EQ(dialog.windowTitle(), " Table   Model   Building   Tool");
  EXPECT_EQ(dialog.percentageBox()->text(), "21.4 ");
  p.ExpectMainWindowTakesNoInput();

  dialog.percentageBox()->selectAll();
  QTest::keyClicks(dialog.percentageBox(), "50");
  EXPECT_TRUE(dialog.close());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(p.mainWidget().isEnabled());
  EXPECT_TRUE(p.state().form.mainWindowEnabled);
  EXPECT_FALSE(p.state().rec.ModelScale);
  EXPECT_EQ(dialog.percentageBox()->text(), "21.4");
  QApplication::processEvents();
  QTest::mouseClick(p.mainWidget().button("metricButton"), Qt::LeftButton);
  EXPECT_FALSE(p.state().rec.ImperialUnits);
}

TEST(OptionDialogWindows, ScaleDialogOKAndAnErrorBoxThatTakesInput) {
  DialogsProgram p;
  ScaleDialogWindow& dialog = p.windows.scaleDialog();
  p.mainWidget().menuAction("UserDefinedPercentageSetting1")->trigger();
  ASSERT_TRUE(dialog.isVisible());

  // A percentage of 0 is refused in a message box over the dialog, which the user can answer
  // while the main window is disabled; the dialog stays open.
  bool boxShown = false, boxEnabled = false;
  QWidget* boxParent = nullptr;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    boxShown = qobject_cast<QMessageBox*>(box) != nullptr;
    boxEnabled = box && box->isEnabled();
    boxParent = box ? box->parentWidget() : nullptr;
    if (boxShown) QTest::keyClick(box, Qt::Key_Return);
  });
  dialog.percentageBox()->selectAll();
  QTest::keyClicks(dialog.percentageBox(), "0");
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_TRUE(boxShown);
  EXPECT_TRUE(boxEnabled);
  EXPECT_EQ(boxParent, &dialog);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(p.state().rec.ModelScale);

  dialog.percentageBox()->selectAll();
  QTest::keyClicks(dialog.percentageBox(), "50");
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  QApplication::processEvents();
  EXPECT_TRUE(p.mainWidget().isEnabled());
  EXPECT_EQ(p.mainWidget().statusPanel(0)->text(), "50.0% of size shown in design panel above. ");
  EXPECT_FLOAT_EQ(p.state().rec.ScaleFactor, 0.5f);
}

}  // namespace
}  // namespace varnloft
