#include "help/illustrations_window.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace varnloft {
namespace {

// What is on the screen now, as the window system holds it: only a repaint changes it.
QImage OnScreen(QWidget& window) {
  QCoreApplication::processEvents();
  QTest::qWait(20);
  return window.screen()->grabWindow(window.winId()).toImage();
}

QColor ColourInAngleReport(IllustrationsWindow& form, QPoint inReport) {
  const QPoint at = form.angleReportView->mapTo(&form, inReport);
  const QImage screen = OnScreen(form);
  const double ratio = screen.width() / double(form.width());
  return screen.pixelColor(int(at.x() * ratio), int(at.y() * ratio));
}

void DrawReport(QImage& picture, const QColor& colour) {
  QPainter painter(&picture);
  painter.fillRect(QRect(10, 10, 200, 100), colour);
}

TEST(IllustrationsWindow, NewDesignWhileOpenUpdatesTwoAnglesOnly) {
  IllustrationsWindow form;
  form.pages->setCurrentWidget(form.twoAnglesPage);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(ColourInAngleReport(form, QPoint(50, 50)), QColor(Qt::white));

  DrawReport(form.AngleReportImage(), QColor(0, 0, 128));
  form.RefreshAngleReport();
  EXPECT_EQ(ColourInAngleReport(form, QPoint(50, 50)), QColor(0, 0, 128));

  // A report handed over as a picture of its own.
  QImage next(518, 237, QImage::Format_RGB32);
  next.fill(Qt::white);
  DrawReport(next, QColor(128, 0, 0));
  form.SetAngleReport(next);
  EXPECT_EQ(ColourInAngleReport(form, QPoint(50, 50)), QColor(128, 0, 0));
  EXPECT_EQ(ColourInAngleReport(form, QPoint(300, 200)), QColor(Qt::white));
}

TEST(IllustrationsWindow, ReportDrawnWhileClosedIsThereWhenOpened) {
  IllustrationsWindow form;
  DrawReport(form.AngleReportImage(), QColor(0, 0, 128));
  form.RefreshAngleReport();
  form.pages->setCurrentWidget(form.twoAnglesPage);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(ColourInAngleReport(form, QPoint(50, 50)), QColor(0, 0, 128));
}

TEST(IllustrationsWindow, AngleReportKeepsItsFullSizeOnThePage) {
  IllustrationsWindow form;
  form.pages->setCurrentWidget(form.twoAnglesPage);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.AngleReportImage().size(), QSize(518, 237));
  EXPECT_EQ(form.angleReportView->size(), QSize(518, 237));
  const QRect onPage(form.angleReportView->mapTo(form.twoAnglesPage, QPoint(0, 0)),
                     QSize(518, 237));
  EXPECT_TRUE(form.twoAnglesPage->rect().contains(onPage))
      << "page " << form.twoAnglesPage->width() << "x" << form.twoAnglesPage->height();
}

TEST(IllustrationsWindow, OpensOnFirstPageAndKeepsTheLastPageShown) {
  IllustrationsWindow form;
  EXPECT_EQ(form.pages->currentWidget(), form.varnloftPage);
  EXPECT_EQ(form.windowTitle(), "  Illustrations");
  EXPECT_TRUE(form.PictureErrors().isEmpty()) << form.PictureErrors().join("; ").toStdString();
  form.ShowCentred();
  form.pages->setCurrentWidget(form.angleCheckingPage);
  form.close();
  EXPECT_FALSE(form.isVisible());
  form.ShowCentred();
  EXPECT_EQ(form.pages->currentWidget(), form.angleCheckingPage);
}

TEST(IllustrationsWindow, ShownCentredOnTheScreen) {
  IllustrationsWindow form;
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const QPoint screenCentre = form.screen()->availableGeometry().center();
  const QPoint windowCentre = form.geometry().center();
  EXPECT_LE((screenCentre - windowCentre).manhattanLength(), 40);
}

TEST(IllustrationsWindow, FormulaAcceptsTypingGeneralInfoDoesNot) {
  IllustrationsWindow form;
  form.pages->setCurrentWidget(form.formulaPage);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(form.formulaPane->toPlainText().contains("leg angle = Atan(c/(b - a))"));
  form.formulaPane->setFocus();
  form.formulaPane->moveCursor(QTextCursor::End);
  QTest::keyClicks(form.formulaPane, "my note");
  EXPECT_TRUE(form.formulaPane->toPlainText().endsWith("my note"));

  EXPECT_TRUE(form.generalInfoPane->isReadOnly());
  for (const char* heading : {"GENERAL INFO", "PICNIC TABLE DESIGN OPTIONS",
                              "CONSTRUCTION MATERIALS", "ASSEMBLY INSTRUCTIONS"})
    EXPECT_TRUE(form.generalInfoPane->toPlainText().contains(heading)) << heading;
}

TEST(IllustrationsWindow, TellsWhenTheUserGoesBackToAnotherWindow) {
  QWidget mainWindow;
  mainWindow.resize(200, 100);
  mainWindow.show();
  IllustrationsWindow form;
  QSignalSpy deactivated(&form, &IllustrationsWindow::Deactivated);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(deactivated.count(), 0);
  mainWindow.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
  EXPECT_EQ(deactivated.count(), 1);
}

}  // namespace
}  // namespace varnloft
