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

QColor ColourAtImage5(IllustrationsWindow& form, QPoint inReport) {
  const QPoint at = form.Image5View->mapTo(&form, inReport);
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
  form.PageControl1->setCurrentWidget(form.TabSheet4);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(ColourAtImage5(form, QPoint(50, 50)), QColor(Qt::white));

  DrawReport(form.AngleReportImage(), QColor(0, 0, 128));
  form.RefreshAngleReport();
  EXPECT_EQ(ColourAtImage5(form, QPoint(50, 50)), QColor(0, 0, 128));

  // A report handed over as a picture of its own.
  QImage next(518, 237, QImage::Format_RGB32);
  next.fill(Qt::white);
  DrawReport(next, QColor(128, 0, 0));
  form.SetAngleReport(next);
  EXPECT_EQ(ColourAtImage5(form, QPoint(50, 50)), QColor(128, 0, 0));
  EXPECT_EQ(ColourAtImage5(form, QPoint(300, 200)), QColor(Qt::white));
}

TEST(IllustrationsWindow, ReportDrawnWhileClosedIsThereWhenOpened) {
  IllustrationsWindow form;
  DrawReport(form.AngleReportImage(), QColor(0, 0, 128));
  form.RefreshAngleReport();
  form.PageControl1->setCurrentWidget(form.TabSheet4);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(ColourAtImage5(form, QPoint(50, 50)), QColor(0, 0, 128));
}

TEST(IllustrationsWindow, AngleReportKeepsItsFullSizeOnThePage) {
  IllustrationsWindow form;
  form.PageControl1->setCurrentWidget(form.TabSheet4);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.AngleReportImage().size(), QSize(518, 237));
  EXPECT_EQ(form.Image5View->size(), QSize(518, 237));
  const QRect onPage(form.Image5View->mapTo(form.TabSheet4, QPoint(0, 0)), QSize(518, 237));
  EXPECT_TRUE(form.TabSheet4->rect().contains(onPage))
      << "page " << form.TabSheet4->width() << "x" << form.TabSheet4->height();
}

TEST(IllustrationsWindow, OpensOnFirstPageAndKeepsTheLastPageShown) {
  IllustrationsWindow form;
  EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet5);
  EXPECT_EQ(form.windowTitle(), "  Illustrations");
  EXPECT_TRUE(form.PictureErrors().isEmpty()) << form.PictureErrors().join("; ").toStdString();
  form.ShowCentred();
  form.PageControl1->setCurrentWidget(form.TabSheet3);
  form.close();
  EXPECT_FALSE(form.isVisible());
  form.ShowCentred();
  EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet3);
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
  form.PageControl1->setCurrentWidget(form.TabSheet7);
  form.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(form.RichEdit2->toPlainText().contains("leg angle = Atan(c/(b - a))"));
  form.RichEdit2->setFocus();
  form.RichEdit2->moveCursor(QTextCursor::End);
  QTest::keyClicks(form.RichEdit2, "my note");
  EXPECT_TRUE(form.RichEdit2->toPlainText().endsWith("my note"));

  EXPECT_TRUE(form.RichEdit1->isReadOnly());
  for (const char* heading : {"GENERAL INFO", "PICNIC TABLE DESIGN OPTIONS",
                              "CONSTRUCTION MATERIALS", "ASSEMBLY INSTRUCTIONS"})
    EXPECT_TRUE(form.RichEdit1->toPlainText().contains(heading)) << heading;
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
