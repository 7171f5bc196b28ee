// The plans window: the sheet shown in its picture, Save through the file dialog into a
// complete bitmap (or nothing), the window's size steady over repeated Plans, and Print.
#include "app/qt/plans_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/plan_context_of.h"
#include "plans/plan_sheet.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

struct PlansWindowTest : ::testing::Test, StartedWindow {
  // 5 January 2007 at 09:05:07, a Friday.
  PlansWindowTest() : StartedWindow(LocalDateTime{2007, 1, 5, 9, 5, 7, 5}) {
    form = std::make_unique<PlansWindow>(w.rec, prompts);
    form->askSaveFileName = [this](const QString& folder, const QString& name) {
      askedFolder = folder;
      askedName = name;
      return answer;
    };
  }
  void Draw() { form->DrawPlanSheet(PlanContextOf(w)); }

  std::unique_ptr<PlansWindow> form;
  QString askedFolder, askedName, answer;
  QTemporaryDir dir;
};

TEST_F(PlansWindowTest, ShowsTheSheetAndKeepsItsSizeOverRepeatedPlans) {
  Draw();
  const QImage shown = form->sheetLabel->pixmap().toImage();
  EXPECT_EQ(shown.size(), QSize(kPlanSheetWidth, kPlanSheetHeight));
  EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), form->sheetPicture().Image());
  // The header's text is there, maroon on white.
  bool maroon = false;
  for (int x = 20; x < 200 && !maroon; ++x)
    for (int y = 18; y < 30 && !maroon; ++y)
      maroon = QColor(shown.pixel(x, y)).red() > 100 && QColor(shown.pixel(x, y)).blue() < 80;
  EXPECT_TRUE(maroon);
  const QSize first = form->size();
  for (int press = 0; press < 5; ++press) Draw();
  EXPECT_EQ(form->size(), first);
  EXPECT_GE(first.width(), kPlanSheetWidth);
}

TEST_F(PlansWindowTest, SaveWritesTheSheetAsABitmapUnderThePlansName) {
  Draw();
  answer = dir.filePath("plan.bmp");
  form->PressSave();
  EXPECT_EQ(askedName, "Adult Standard Size Table.bmp");
  EXPECT_EQ(askedFolder, PlansWindow::StartFolder());
  EXPECT_TRUE(QDir(askedFolder).exists());

  QFile file(answer);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));
  const QImage saved(answer, "BMP");
  ASSERT_EQ(saved.size(), QSize(kPlanSheetWidth, kPlanSheetHeight));
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), form->sheetPicture().Image());
  EXPECT_TRUE(prompts.shown.empty());
  // Only the bitmap is left in the folder: no temporary file.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.bmp"});
}

TEST_F(PlansWindowTest, CancellingTheDialogWritesNothing) {
  Draw();
  answer = QString();
  form->PressSave();
  EXPECT_FALSE(askedName.isEmpty());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PlansWindowTest, AFailedSaveIsReportedAndLeavesNoFile) {
  Draw();
  answer = dir.filePath("no such folder/plan.bmp");
  form->PressSave();
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].kind, "error");
  EXPECT_NE(prompts.shown[0].text.find("no such folder/plan.bmp"), std::string::npos);
  EXPECT_NE(prompts.shown[0].text.find("could not be written"), std::string::npos);
  EXPECT_FALSE(QFile::exists(answer));
}

TEST_F(PlansWindowTest, ANameTheFileSystemRefusesStillGivesAUsableProposal) {
  w.form.statusPanel0 = "50.0% of size/scale";
  Draw();
  ASSERT_EQ(w.rec.PlanName, "50.0% of size/scale");
  answer = QString();
  form->PressSave();
  EXPECT_EQ(askedName, "50.0% of size-scale.bmp");
}

TEST_F(PlansWindowTest, TheSaveDialogOffersBitmapsAndAsksBeforeOverwriting) {
  Draw();
  PlansWindow real(w.rec, prompts);
  real.DrawPlanSheet(PlanContextOf(w));
  QStringList filters;
  QString suffix;
  bool confirms = false;
  QString selected;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    suffix = dialog->defaultSuffix();
    confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    selected = dialog->selectedFiles().value(0);
    dialog->reject();
  });
  EXPECT_TRUE(real.askSaveFileName(dir.path(), "Adult Standard Size Table.bmp").isEmpty());
  EXPECT_EQ(filters, QStringList{"Bitmap File (*.bmp)"});
  EXPECT_EQ(suffix, "bmp");
  EXPECT_TRUE(confirms);
  EXPECT_TRUE(selected.endsWith("Adult Standard Size Table.bmp")) << selected.toStdString();
}

TEST_F(PlansWindowTest, PrintPressesTheMainWindowsPrintAndCaptionShowsTheTitle) {
  int presses = 0;
  form->pressMainPrint = [&] { ++presses; };
  form->printButton->click();
  EXPECT_EQ(presses, 1);
  form->FormActivate();
  EXPECT_EQ(form->windowTitle().toStdString(), "  " + w.rec.TitleText);
  EXPECT_EQ(form->saveButton->text(), "Save");
  EXPECT_EQ(form->closeButton->text(), "Close");
  EXPECT_EQ(form->lowerCloseButton->text(), "Close");
  EXPECT_EQ(form->printButton->focusPolicy(), Qt::ClickFocus);
}

}  // namespace
}  // namespace varnloft
