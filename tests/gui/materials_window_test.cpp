// The Materials window in the real program: opened from View > Materials without blocking the
// main window, listing every new design (or saying it cannot), the cutting diagram drawn, bad
// settings refused with a message and nothing changed, settings kept for the next run, Restore
// examples, Save CSV, and Print.
#include "app/qt/materials_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/qt/materials_settings_panel.h"
#include "app/qt/program_windows.h"
#include "materials/materials_csv.h"
#include "packet/counting_page_sink.h"
#include "packet/materials_pages.h"

namespace varnloft {
namespace {

// The program as it starts, its settings kept in a scratch file of the test's own.
struct MaterialsProgram {
  MaterialsProgram() { Start(); }
  void Start() {
    windows = std::make_unique<ProgramWindows>();
    windows->KeepMaterialsSettings(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
    windows->ShowMainWindow();
    QApplication::processEvents();  // the first activation designs the built-in table
  }
  QSettings Saved() const { return QSettings(settingsFile, QSettings::IniFormat); }
  MainWindowWidget& main() { return windows->mainWindow(); }
  MaterialsWindow& materials() { return windows->materialsWindow(); }
  void OpenMaterials() {
    main().menuAction("Materials1")->trigger();
    ASSERT_TRUE(materials().WaitUntilListed());
  }
  QTemporaryDir scratch;
  QString settingsFile = scratch.filePath("settings.ini");
  std::unique_ptr<ProgramWindows> windows;
};

// The next message box: its text is kept and `button` pressed.
struct NextBox {
  explicit NextBox(QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [this, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      text = box->text().toStdString();
      parent = box->parentWidget();
      box->button(button)->click();
    });
  }
  std::string text;
  QWidget* parent = nullptr;
};

bool HasNavy(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == qRgb(0, 0, 128)) return true;
  return false;
}

TEST(MaterialsWindow, OpensFromTheViewMenuAndShowsTheListsAndTheDiagram) {
  MaterialsProgram p;
  // View comes after Options on the menu bar; its Materials item has Ctrl+M.
  QStringList menus;
  for (QAction* a : p.main().menuBar()->actions()) menus << a->text();
  ASSERT_GE(menus.indexOf("&View"), 0);
  EXPECT_EQ(menus.indexOf("&View"), menus.indexOf("&Options") + 1);
  QAction* item = p.main().menuAction("Materials1");
  EXPECT_EQ(item->text(), "&Materials\xE2\x80\xA6");
  EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+M"));
  EXPECT_FALSE(p.materials().isVisible());

  p.OpenMaterials();
  MaterialsWindow& w = p.materials();
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(w.isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(p.main().isEnabled());

  const Materials& m = w.materials();
  ASSERT_EQ(m.problem, "");
  EXPECT_EQ(m.boards.size(), 14u);
  const QString shopping = w.shoppingView->toPlainText();
  EXPECT_TRUE(shopping.contains("$6.48 (example)"));
  EXPECT_TRUE(shopping.contains("Carriage bolt"));
  EXPECT_TRUE(shopping.contains("one through each bolt hole of a leg"));
  EXPECT_TRUE(shopping.contains("proven cheapest"));
  EXPECT_EQ(w.cutListTable->rowCount(), static_cast<int>(m.pieces.size()));
  EXPECT_TRUE(w.notesLabel->text().contains("Near miss"));
  EXPECT_TRUE(w.copyButton->isEnabled());

  // The diagram: as wide as its view, every board drawn, piece outlines in navy.
  const QImage diagram = w.diagramLabel->pixmap().toImage();
  EXPECT_EQ(diagram.width(), std::max(400, w.diagramScroll->viewport()->width()));
  EXPECT_GT(diagram.height(), 14 * 60);
  EXPECT_TRUE(HasNavy(diagram.convertToFormat(QImage::Format_RGB32)));

  // Copy: the lists as text on the clipboard.
  w.PressCopy();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), w.ListsText());
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Prices marked"));
}

TEST(MaterialsWindow, FollowsEveryNewDesignAndSaysWhenNoneCanBeListed) {
  MaterialsProgram p;
  p.OpenMaterials();
  MaterialsWindow& w = p.materials();
  EXPECT_EQ(w.materials().boards.front().lumber, "2 X 6");

  p.main().menuAction("BabyTable1")->trigger();
  ASSERT_TRUE(w.WaitUntilListed());
  EXPECT_EQ(w.materials().problem, "");
  // Its 3/4 in boards, 5 in and 2 in wide, match no nominal size: named by their sections.
  for (const MaterialBoard& b : w.materials().boards) EXPECT_EQ(b.lumber.rfind("3/4 ", 0), 0u);
  EXPECT_TRUE(w.shoppingView->toPlainText().contains("3/4 \xC3\x97 5 in"));
  EXPECT_FALSE(w.shoppingView->toPlainText().contains("2 X 6"));

  // A design that stops on an error: the window says the materials cannot be listed.
  p.main().edit("tableHeight.0")->selectAll();
  QTest::keyClicks(p.main().edit("tableHeight.0"), "abc");
  NextBox error(QMessageBox::Ok);
  QTest::mouseClick(p.main().button("designButton"), Qt::LeftButton);
  EXPECT_EQ(error.text, "'abc' is not a valid floating point value");
  ASSERT_TRUE(w.WaitUntilListed());
  EXPECT_TRUE(w.notesLabel->text().contains("The materials cannot be listed"));
  EXPECT_TRUE(w.shoppingView->toPlainText().contains("Correct the entry and press Design first."));
  EXPECT_EQ(w.cutListTable->rowCount(), 0);
  EXPECT_FALSE(w.copyButton->isEnabled());
  EXPECT_FALSE(w.saveCsvButton->isEnabled());
  EXPECT_FALSE(w.printButton->isEnabled());

  // Closed, it does no work; opened again, it lists the design of the moment.
  w.closeButton->click();
  EXPECT_FALSE(w.isVisible());
  p.main().edit("tableHeight.0")->selectAll();
  QTest::keyClicks(p.main().edit("tableHeight.0"), "2");
  QTest::mouseClick(p.main().button("designButton"), Qt::LeftButton);
  EXPECT_FALSE(w.Busy());
  EXPECT_NE(w.materials().problem, "");
  p.OpenMaterials();
  EXPECT_EQ(w.materials().problem, "");
  EXPECT_TRUE(w.copyButton->isEnabled());

  // At a model scale the list says it is for the full-size table.
  NextBox question(QMessageBox::Yes);
  p.main().menuAction("modelScaleItem")->trigger();
  ASSERT_TRUE(w.WaitUntilListed());
  EXPECT_TRUE(w.materials().modelScale);
  EXPECT_TRUE(w.notesLabel->text().contains("The list is for the full-size table"));
}

TEST(MaterialsWindow, ABadKerfIsRefusedWithAMessageAndNothingChanges) {
  MaterialsProgram p;
  p.OpenMaterials();
  MaterialsWindow& w = p.materials();
  MaterialsSettingsPanel& settings = *w.settingsPanel;
  const std::string before = MaterialsCsv(w.materials());
  EXPECT_EQ(settings.kerfEdit->text(), "0.125");
  EXPECT_EQ(settings.kerfUnit->text(), "in");

  for (const char* bad : {"abc", "-0.1", "1.5"}) {
    settings.kerfEdit->setText(bad);
    NextBox box(QMessageBox::Ok);
    settings.EditFinished(settings.kerfEdit);
    EXPECT_NE(box.text, "") << bad;
    EXPECT_NE(box.text.find("Nothing was changed."), std::string::npos) << box.text;
    EXPECT_EQ(box.parent, &w);
    EXPECT_EQ(settings.kerfEdit->text(), "0.125");
    EXPECT_FALSE(w.Busy());
    EXPECT_EQ(MaterialsCsv(w.materials()), before);
  }
  EXPECT_FALSE(p.Saved().contains("materials/imperial/kerf"));

  // A good kerf is kept, listed and saved for the next run. A design listed while it is being
  // typed leaves the typing alone.
  settings.kerfEdit->setText("0.25");
  p.main().menuAction("TallBoy1")->trigger();
  ASSERT_TRUE(w.WaitUntilListed());
  EXPECT_EQ(settings.kerfEdit->text(), "0.25");
  EXPECT_DOUBLE_EQ(w.materials().kerf, 0.125 / 12);
  settings.EditFinished(settings.kerfEdit);
  ASSERT_TRUE(w.WaitUntilListed());
  EXPECT_DOUBLE_EQ(w.materials().kerf, 0.25 / 12);
  EXPECT_EQ(p.Saved().value("materials/imperial/kerf").toString(), "0.020833333333333332");
  EXPECT_TRUE(p.Saved().value("materials/imperial/stock").toString().startsWith("{\"currency\""));
  p.windows.reset();
  p.Start();  // the next run
  p.OpenMaterials();
  EXPECT_EQ(p.materials().settingsPanel->kerfEdit->text(), "0.25");
  EXPECT_DOUBLE_EQ(p.materials().materials().kerf, 0.25 / 12);
}

TEST(MaterialsWindow, SavedSettingsThatCannotBeUsedAreReportedOnceAndTheExamplesUsed) {
  QTemporaryDir scratch;
  const QString file = scratch.filePath("settings.ini");
  {
    QSettings saved(file, QSettings::IniFormat);
    saved.setValue("materials/imperial/stock", "{\"stock\": [{\"lumber\": \"2 X 6\"}]}");
    saved.setValue("materials/metric/kerf", "0.002");  // 0.6 mm, a good one
  }
  ProgramWindows windows;
  windows.KeepMaterialsSettings(std::make_unique<QSettings>(file, QSettings::IniFormat));
  windows.ShowMainWindow();
  QApplication::processEvents();
  NextBox box(QMessageBox::Ok);
  windows.mainWindow().menuAction("Materials1")->trigger();
  EXPECT_EQ(box.text,
            "The saved materials settings of imperial measure cannot be used (stock[0].length: is "
            "missing): the examples are used instead.");
  ASSERT_TRUE(windows.materialsWindow().WaitUntilListed());
  EXPECT_DOUBLE_EQ(*windows.materialsWindow().materials().boards.front().price, 6.48);
  // Only once.
  windows.materialsWindow().hide();
  NextBox none(QMessageBox::Ok);
  windows.mainWindow().menuAction("Materials1")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(none.text, "");
  // The metric measure's saved settings were good: they are in force.
  QTest::mouseClick(windows.mainWindow().button("metricButton"), Qt::LeftButton);
  ASSERT_TRUE(windows.materialsWindow().WaitUntilListed());
  EXPECT_FALSE(windows.materialsWindow().settingsPanel->imperial());
  EXPECT_EQ(windows.materialsWindow().settingsPanel->kerfEdit->text(), "0.6096");
}

TEST(MaterialsWindow, APriceEditedThenTheExamplesRestored) {
  MaterialsProgram p;
  p.OpenMaterials();
  MaterialsWindow& w = p.materials();
  QTableWidget* stock = w.settingsPanel->stockTable;
  int row = 0;
  while (row < stock->rowCount() &&
         !(stock->item(row, 0)->text() == "2 X 6" && stock->item(row, 1)->text() == "8"))
    ++row;
  ASSERT_LT(row, stock->rowCount());
  EXPECT_EQ(stock->item(row, 2)->text(), "6.48");

  stock->item(row, 2)->setText("oops");
  NextBox refused(QMessageBox::Ok);
  QApplication::processEvents();  // the edit is handled once the table is done with it
  EXPECT_EQ(refused.text, "Stock row " + std::to_string(row + 1) +
                              ": the price 'oops' is not a number. Nothing was changed.");
  EXPECT_EQ(stock->item(row, 2)->text(), "6.48");
  // Refusals of the whole table name the row as the page numbers it.
  stock->item(row, 2)->setText("-1");
  NextBox negative(QMessageBox::Ok);
  QApplication::processEvents();
  EXPECT_EQ(negative.text, "Stock row " + std::to_string(row + 1) +
                               ", price: a price may not be negative. Nothing was changed.");
  stock->item(row + 1, 1)->setText("8");  // the 10 ft length made a second 8 ft one
  NextBox twice(QMessageBox::Ok);
  QApplication::processEvents();
  EXPECT_EQ(twice.text, "Stock row " + std::to_string(row + 2) +
                            ": 2 X 6 at 8' is listed twice. Nothing was changed.");
  EXPECT_EQ(stock->item(row + 1, 1)->text(), "10");

  stock->item(row, 2)->setText("5");
  QApplication::processEvents();
  ASSERT_TRUE(w.WaitUntilListed());
  EXPECT_DOUBLE_EQ(*w.materials().boards.front().price, 5);
  EXPECT_TRUE(w.shoppingView->toPlainText().contains("$5.00"));
  EXPECT_FALSE(w.shoppingView->toPlainText().contains("$5.00 (example)"));

  // Restore examples asks first; No keeps the price.
  NextBox no(QMessageBox::No);
  w.settingsPanel->restoreButton->click();
  EXPECT_NE(no.text.find("Your own lengths and prices"), std::string::npos);
  EXPECT_EQ(w.settingsPanel->stockTable->item(row, 2)->text(), "5.00");
  NextBox yes(QMessageBox::Yes);
  w.settingsPanel->restoreButton->click();
  ASSERT_TRUE(w.WaitUntilListed());
  EXPECT_DOUBLE_EQ(*w.materials().boards.front().price, 6.48);
  EXPECT_EQ(w.settingsPanel->stockTable->item(row, 2)->text(), "6.48");
}

TEST(MaterialsWindow, SaveCsvWritesTheListsOrReportsWhyNot) {
  MaterialsProgram p;
  p.OpenMaterials();
  MaterialsWindow& w = p.materials();
  QTemporaryDir dir;
  QString answer;
  QString proposed;
  w.askSaveFileName = [&](const QString&, const QString& name, const QString&) {
    proposed = name;
    return answer;
  };
  w.PressSaveCsv();  // cancelled: nothing written, nothing said
  EXPECT_TRUE(proposed.endsWith("/Materials.csv"));
  EXPECT_TRUE(QDir(dir.path()).isEmpty());

  answer = dir.filePath("list");  // the extension is added
  w.PressSaveCsv();
  QFile file(dir.filePath("list.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), MaterialsCsv(w.materials()));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.csv"});

  answer = dir.filePath("no such folder/list.csv");
  NextBox error(QMessageBox::Ok);
  w.PressSaveCsv();
  EXPECT_EQ(error.text.rfind("The materials could not be saved to ", 0), 0u) << error.text;
}

TEST(MaterialsWindow, SaveSvgWritesTheWindowsOwnDiagrams) {
  MaterialsProgram p;
  p.OpenMaterials();
  MaterialsWindow& w = p.materials();
  QTemporaryDir dir;
  QString answer, filter;
  w.askSaveFileName = [&](const QString&, const QString&, const QString& f) {
    filter = f;
    return answer;
  };
  w.PressSaveSvg();  // cancelled
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_EQ(filter, "SVG pictures (*.svg)");

  answer = dir.filePath("boards");  // the extension is added
  w.PressSaveSvg();
  QFile file(dir.filePath("boards.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray svg = file.readAll();
  // The diagrams of the window's own list: every board, numbered out of the window's count.
  const QString last = QString("Board %1 of %1:").arg(w.materials().boards.size());
  EXPECT_TRUE(svg.contains(last.toUtf8())) << last.toStdString();
  EXPECT_TRUE(w.saveSvgButton->isEnabled());
}

TEST(MaterialsWindow, PrintPrintsThePacketsMaterialsAndCuttingDiagramPages) {
  MaterialsProgram p;
  p.OpenMaterials();
  MaterialsWindow& w = p.materials();
  QPrinter& printer = p.windows->plansPrinter().printer();
  const QString file = p.scratch.filePath("materials.pdf");
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setDocName("Plans");
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
      dialog->accept();
  });
  QTest::mouseClick(w.printButton, Qt::LeftButton);
  EXPECT_EQ(printer.docName(), "Plans");  // the plans' document name again afterwards

  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QString bytes = QString::fromLatin1(pdf.readAll());
  // As many pages as the packet's materials and cutting-diagram pages take on that paper: the
  // materials page and the 14 boards' diagrams.
  CountingPageSink counting(printer.width(), printer.height());
  const int pages =
      PrintMaterialsPages(w.materials(), "Adult Standard table", counting, printer.resolution());
  EXPECT_GE(pages, 3);
  EXPECT_EQ(bytes.count(QRegularExpression("/Type\\s*/Page[^s]")), pages);
}

}  // namespace
}  // namespace varnloft
