#include "help/about_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include "help/about_text.h"
#include "platform/testing/recording_shell.h"
#include "platform/web_address.h"

namespace varnloft {
namespace {

QStringList ShownLines(const AboutWindow& box) {
  return box.aboutText->toPlainText().split('\n');
}

QStringList Expected(const std::string& notice) {
  QStringList lines;
  for (const std::string& line : AboutLines(notice)) lines << QString::fromStdString(line);
  return lines;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  AboutBoxTest() { record_.NoticeText = NoticeTextForYear(2007); }
  RecordingShell shell_;
  DesignRecord record_;
};

TEST_F(AboutBoxTest, ElevenLinesOnceHoweverOftenActivated) {
  AboutWindow box(shell_, record_);
  for (int shown = 0; shown < 3; ++shown) {
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    const QStringList lines = ShownLines(box);
    EXPECT_EQ(lines.size(), 11);
    EXPECT_EQ(lines, Expected(record_.NoticeText));
    box.hide();
    QTest::qWait(10);
  }
  box.FillText();
  box.FillText();
  EXPECT_EQ(ShownLines(box), Expected(record_.NoticeText));
  EXPECT_EQ(ShownLines(box)[0], "Tellwick Picnic Tables Varnloft");
  EXPECT_EQ(ShownLines(box)[10], kMakerWebAddress);
}

TEST_F(AboutBoxTest, NoticeIsReadAgainAtEachActivation) {
  AboutWindow box(shell_, record_);
  box.FillText();
  EXPECT_EQ(ShownLines(box)[5].toStdString(), NoticeTextForYear(2007));
  record_.NoticeText = NoticeTextForYear(2031);
  box.FillText();
  EXPECT_EQ(ShownLines(box)[5].toStdString(), NoticeTextForYear(2031));
}

TEST_F(AboutBoxTest, LinkTurnsRedUnderTheMouseWhiteOverTheWindowAndOpensTheAddress) {
  AboutWindow box(shell_, record_);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  const auto linkColour = [&] {
    return box.webAddressLabel->palette().color(QPalette::WindowText);
  };
  EXPECT_EQ(linkColour(), QColor(255, 255, 255));

  // Moves arrive through the window system, which finds the widget under the mouse.
  QWindow* window = box.windowHandle();
  QTest::mouseMove(window, box.webAddressLabel->geometry().center());
  EXPECT_EQ(linkColour(), QColor(255, 0, 0));
  QTest::mouseMove(window, QPoint(5, 270));  // bare background beside the OK button
  EXPECT_EQ(linkColour(), QColor(255, 255, 255));

  QTest::mouseClick(box.webAddressLabel, Qt::LeftButton, {}, box.webAddressLabel->rect().center());
  ASSERT_EQ(shell_.opened.size(), 1u);
  EXPECT_EQ(shell_.opened[0], kMakerWebAddress);
  EXPECT_EQ(box.webAddressLabel->text(), kMakerWebAddressCapitalised);
}

TEST_F(AboutBoxTest, OkClosesTheModalWindowWithResultOk) {
  AboutWindow box(shell_, record_);
  QTimer::singleShot(50, &box, [&] { QTest::mouseClick(box.okButton, Qt::LeftButton); });
  EXPECT_EQ(box.exec(), QDialog::Accepted);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(ShownLines(box).size(), 11);  // exec() activated it
}

TEST_F(AboutBoxTest, LinkFitsBesideTheIconInsideTheWindow) {
  AboutWindow box(shell_, record_);
  const QRect link = box.webAddressLabel->geometry();
  EXPECT_GE(link.left(), box.programIconLabel->geometry().right() + 1);
  EXPECT_LE(link.right(), box.width() - 1);
  EXPECT_GE(link.width(),
            box.webAddressLabel->fontMetrics().horizontalAdvance(box.webAddressLabel->text()));
}

}  // namespace
}  // namespace varnloft
