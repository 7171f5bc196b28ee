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

QByteArray ReadHead(const QString& path, int bytes) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

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

TEST_F(PlansWindowTest, SaveWritesTheFormatTheNameAsksFor) {
  Draw();
  answer = dir.filePath("plan.png");
  form->PressSave();
  EXPECT_EQ(ReadHead(answer, 8), QByteArray("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(QImage(answer).convertToFormat(QImage::Format_RGB32), form->sheetPicture().Image());

  answer = dir.filePath("Plan2.PNG");
  form->PressSave();
  EXPECT_EQ(ReadHead(answer, 4), QByteArray("\x89PNG", 4));

  // No extension, or one of no picture format: ".bmp" is added and a bitmap written.
  answer = dir.filePath("plan");
  form->PressSave();
  EXPECT_EQ(ReadHead(dir.filePath("plan.bmp"), 2), "BM");
  answer = dir.filePath("plan.txt");
  form->PressSave();
  EXPECT_EQ(ReadHead(dir.filePath("plan.txt.bmp"), 2), "BM");
  answer = dir.filePath(".png");
  form->PressSave();
  EXPECT_EQ(ReadHead(dir.filePath(".png.bmp"), 2), "BM");

  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{".png.bmp", "Plan2.PNG", "plan.bmp", "plan.png", "plan.txt.bmp"}));
}

TEST_F(PlansWindowTest, AnAddedExtensionAsksBeforeReplacingAFile) {
  Draw();
  const QString taken = dir.filePath("plan.txt.bmp");
  QFile old(taken);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("keep me");
  old.close();
  answer = dir.filePath("plan.txt");
  for (Answer reply : {Answer::No, Answer::Cancel}) {
    prompts.answer = reply;
    form->PressSave();
    EXPECT_EQ(ReadHead(taken, 100), "keep me");
  }
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].kind, "question");
  EXPECT_EQ(prompts.shown[0].text,
            "\"" + taken.toStdString() + "\" already exists.\nDo you want to replace it?");
  prompts.answer = Answer::Yes;
  form->PressSave();
  EXPECT_EQ(ReadHead(taken, 2), "BM");
  EXPECT_EQ(prompts.shown.size(), 3u);
  // The dialog itself asked about a name it returned unchanged.
  answer = taken;
  form->PressSave();
  EXPECT_EQ(prompts.shown.size(), 3u);
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
  EXPECT_NE(prompts.shown[0].text.find("could not be written: "), std::string::npos);
  EXPECT_FALSE(QFile::exists(answer));
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
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
  form->ShowTitle();
  EXPECT_EQ(form->windowTitle().toStdString(), "  " + w.rec.TitleText);
  EXPECT_EQ(form->saveButton->text(), "Save");
  EXPECT_EQ(form->closeButton->text(), "Close");
  EXPECT_EQ(form->lowerCloseButton->text(), "Close");
  EXPECT_EQ(form->printButton->focusPolicy(), Qt::ClickFocus);
}

}  // namespace
}  // namespace varnloft
