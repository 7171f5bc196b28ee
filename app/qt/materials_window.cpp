#include "app/qt/materials_window.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "app/qt/export_commands.h"
#include "app/qt/materials_settings_panel.h"
#include "materials/cutting_diagram.h"
#include "materials/materials_csv.h"
#include "materials/materials_lists.h"
#include "measure/errors.h"
#include "platform/atomic_write.h"
#include "platform/qt/qt_conversions.h"

namespace varnloft {

namespace {

constexpr int kNarrowestDiagram = 400;
constexpr int kBusyDelayMs = 100;

QTableWidget* MakeTable(QWidget* parent, const char* name) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(name);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->setWordWrap(true);
  return table;
}

// The shopping page as rich text: tables that wrap long rules and keep numbers to the right.
QString Cell(const std::string& text, bool number, const char* tag = "td") {
  QString style;
  if (text == "no price") style = " style='color:#a00000'";
  if (text.find("(example)") != std::string::npos) style = " style='color:#005aa0'";
  return QString("<%1%2%3>%4</%1>")
      .arg(tag, number ? " align='right'" : "", style, Q(text).toHtmlEscaped());
}

QString HtmlTable(const TextTable& table, int numbersFrom, int numbersTo, bool lastBelow) {
  const int shown = static_cast<int>(table.headings.size()) - (lastBelow ? 1 : 0);
  QString html =
      "<h4 style='margin-bottom:4px'>" + Q(table.title).toHtmlEscaped() +
      "</h4><table border='1' cellspacing='0' cellpadding='3' style='border-color:#b8b8b8; "
      "border-style:solid; border-collapse:collapse'><tr style='background:#ececec'>";
  for (int c = 0; c < shown; ++c)
    html += Cell(table.headings[c], c >= numbersFrom && c <= numbersTo, "th");
  html += "</tr>";
  for (const auto& row : table.rows) {
    html += "<tr>";
    for (int c = 0; c < shown; ++c) html += Cell(row[c], c >= numbersFrom && c <= numbersTo);
    html += "</tr>";
    if (lastBelow)
      html += QString("<tr><td colspan='%1' style='color:#505050'><i>%2</i></td></tr>")
                  .arg(shown)
                  .arg(Q(row.back()).toHtmlEscaped());
  }
  return html + "</table>";
}

QString ShoppingHtml(const MaterialsLists& lists) {
  if (!lists.problem.empty()) return "<p><b>" + Q(lists.problem).toHtmlEscaped() + "</b></p>";
  QString totals = "<h4 style='margin-bottom:4px'>Totals</h4><table cellpadding='2'>";
  for (const auto& row : lists.totals.rows)
    totals += "<tr><td>" + Q(row[0]).toHtmlEscaped() + "</td><td>&nbsp;&nbsp;" +
              Q(row[1]).toHtmlEscaped() + "</td></tr>";
  return HtmlTable(lists.shopping, 1, 4, false) + HtmlTable(lists.hardware, 1, 4, true) + totals +
         "</table>";
}

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel("<b>" + text + "</b>", parent);
  return label;
}

QString Escaped(const std::string& s) {
  return Q(s).toHtmlEscaped();
}

}  // namespace

struct MaterialsWindow::Job {
  std::atomic<bool> stop{false};
};

MaterialsWindow::MaterialsWindow(const DesignRecord& record, MaterialsSetup& setup,
                                 Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      record_(record),
      setup_(setup),
      prompts_(prompts),
      materials_(std::make_shared<Materials>()),
      diagram_(kNarrowestDiagram, 100) {
  setObjectName("MaterialsWindow");
  setWindowTitle("Materials");
  setModal(false);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  // One worker: a stopped plan ends within a few thousand steps, and the next one waits for it.
  pool_.setMaxThreadCount(1);
  busyDelay_ = new QTimer(this);
  busyDelay_->setSingleShot(true);
  busyDelay_->setInterval(kBusyDelayMs);
  connect(busyDelay_, &QTimer::timeout, this, [this] {
    busyBar->setVisible(true);
    notesLabel->setText("Working out the cheapest plan\xE2\x80\xA6");
  });
  BuildLayout();
  resize(1180, 780);

  askSaveFileName = [this](const QString& title, const QString& proposed, const QString& filter) {
    return QFileDialog::getSaveFileName(this, title, proposed, filter);
  };
  settingsPanel->changed = [this] {
    if (settingsSaved) settingsSaved();
    List();
  };
}

MaterialsWindow::~MaterialsWindow() {
  if (job_) job_->stop = true;
  pool_.waitForDone();
}

void MaterialsWindow::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  notesLabel = new QLabel(this);
  notesLabel->setObjectName("notes");
  notesLabel->setWordWrap(true);
  notesLabel->setTextFormat(Qt::RichText);
  layout->addWidget(notesLabel);
  busyBar = new QProgressBar(this);
  busyBar->setRange(0, 0);  // busy: no measure of progress
  busyBar->setMaximumHeight(12);
  busyBar->setTextVisible(false);
  busyBar->setVisible(false);
  layout->addWidget(busyBar);

  auto* split = new QSplitter(Qt::Horizontal, this);
  pages = new QTabWidget(split);
  pages->addTab(BuildShoppingPage(), "Shopping list");
  cutListTable = MakeTable(pages, "cutList");
  pages->addTab(cutListTable, "Cut list");
  settingsPanel = new MaterialsSettingsPanel(setup_, prompts_, pages);
  pages->addTab(settingsPanel, "Settings");
  split->addWidget(pages);
  split->addWidget(BuildDiagramSide());
  split->setSizes({570, 590});
  layout->addWidget(split, 1);

  auto* buttons = new QHBoxLayout;
  copyButton = new QPushButton("&Copy", this);
  copyButton->setToolTip("The lists as text on the clipboard: they paste into a spreadsheet");
  saveCsvButton = new QPushButton("&Save CSV\xE2\x80\xA6", this);
  saveSvgButton = new QPushButton("Save S&VG\xE2\x80\xA6", this);
  saveSvgButton->setToolTip("The cutting diagrams as an SVG picture");
  printButton = new QPushButton("&Print\xE2\x80\xA6", this);
  closeButton = new QPushButton("Close", this);
  for (QPushButton* b : {copyButton, saveCsvButton, saveSvgButton, printButton})
    buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(closeButton);
  layout->addLayout(buttons);
  connect(copyButton, &QPushButton::clicked, this, [this] { PressCopy(); });
  connect(saveCsvButton, &QPushButton::clicked, this, [this] { PressSaveCsv(); });
  connect(saveSvgButton, &QPushButton::clicked, this, [this] { PressSaveSvg(); });
  connect(printButton, &QPushButton::clicked, this, [this] { PressPrint(); });
  connect(closeButton, &QPushButton::clicked, this, [this] { hide(); });
}

QWidget* MaterialsWindow::BuildShoppingPage() {
  shoppingView = new QTextBrowser(this);
  shoppingView->setObjectName("shopping");
  shoppingView->setOpenLinks(false);
  return shoppingView;
}

QWidget* MaterialsWindow::BuildDiagramSide() {
  auto* side = new QWidget(this);
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Caption("Cutting diagram, to scale", side));
  diagramScroll = new QScrollArea(side);
  diagramScroll->setObjectName("diagramScroll");
  diagramScroll->setBackgroundRole(QPalette::Base);
  // The diagram is drawn as wide as the view: a scroll bar that came and went would change that.
  diagramScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  diagramScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  diagramLabel = new QLabel(diagramScroll);
  diagramLabel->setObjectName("diagram");
  diagramScroll->setWidget(diagramLabel);
  diagramScroll->viewport()->installEventFilter(this);
  layout->addWidget(diagramScroll, 1);
  return side;
}

bool MaterialsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == diagramScroll->viewport() && event->type() == QEvent::Resize &&
      diagramScroll->viewport()->width() != diagramWidth_)
    DrawDiagram();
  return QDialog::eventFilter(watched, event);
}

void MaterialsWindow::DesignChanged() {
  stale_ = true;
  if (isVisible()) List();
}

void MaterialsWindow::SettingsChanged() {
  DesignChanged();
}

void MaterialsWindow::ShowFromMenu() {
  if (!isVisible()) {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
      const QRect area = screen->availableGeometry();
      resize(std::min(width(), area.width()), std::min(height(), area.height()));
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
  }
  show();
  raise();
  activateWindow();
  if (stale_) List();
}

void MaterialsWindow::List() {
  stale_ = false;
  if (job_) job_->stop = true;
  auto job = std::make_shared<Job>();
  job_ = job;
  SetBusy(true);
  const DesignRecord rec = record_;
  const MaterialsSettings settings = setup_.Of(rec.ImperialUnits);
  pool_.start([this, job, rec, settings] {
    std::shared_ptr<const Materials> result;
    try {
      result = std::make_shared<Materials>(BuildMaterials(rec, settings, &job->stop));
    } catch (const std::exception& e) {
      auto failed = std::make_shared<Materials>();
      failed->problem = std::string("The materials could not be listed: ") + e.what();
      result = failed;
    }
    QMetaObject::invokeMethod(
        this,
        [this, job, result] {
          if (job != job_) return;  // a newer design or setting has started its own
          job_.reset();
          SetBusy(false);
          Show(result);
        },
        Qt::QueuedConnection);
  });
}

bool MaterialsWindow::WaitUntilListed(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (job_ && clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  QCoreApplication::processEvents();
  return !job_;
}

void MaterialsWindow::SetBusy(bool busy) {
  EnableButtons(!busy && materials_->problem.empty());
  if (busy) {
    if (!busyDelay_->isActive() && !busyBar->isVisible()) busyDelay_->start();
  } else {
    busyDelay_->stop();
    busyBar->setVisible(false);
  }
}

void MaterialsWindow::ShowCutList(const TextTable& text) {
  QTableWidget* table = cutListTable;
  table->clear();
  table->setColumnCount(static_cast<int>(text.headings.size()));
  table->setRowCount(static_cast<int>(text.rows.size()));
  QStringList headings;
  for (const std::string& h : text.headings) headings << Q(h);
  table->setHorizontalHeaderLabels(headings);
  for (int r = 0; r < table->rowCount(); ++r)
    for (int c = 0; c < table->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(Q(text.rows[r][c]));
      if (c == 1 || c == 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(r, c, item);
    }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
}

void MaterialsWindow::Show(std::shared_ptr<const Materials> materials) {
  materials_ = std::move(materials);
  const Materials& m = *materials_;
  const MaterialsLists lists = ListsOf(m);
  QString notes;
  if (!lists.problem.empty()) {
    notes = "<b>" + Escaped(lists.problem) + "</b>";
  } else {
    for (const std::string& n : lists.notes) notes += Escaped(n) + "<br>";
    for (const std::string& n : lists.nearMisses)
      notes += "<b>Near miss:</b> " + Escaped(n) + "<br>";
    for (const std::string& n : lists.missing)
      notes += "<b>Not planned:</b> <span style='color:#a00000'>" + Escaped(n) + "</span><br>";
    if (notes.endsWith("<br>")) notes.chop(4);
  }
  notesLabel->setText(notes);
  notesLabel->setVisible(!notes.isEmpty());
  shoppingView->setHtml(ShoppingHtml(lists));
  ShowCutList(lists.cutList);
  settingsPanel->ShowSettings(m.imperial, &m);
  EnableButtons(m.problem.empty());
  DrawDiagram();
}

void MaterialsWindow::DrawDiagram() {
  diagramWidth_ = diagramScroll->viewport()->width();
  const int width = std::max(kNarrowestDiagram, diagramWidth_);
  const double height = CuttingDiagramHeight(*materials_, width);
  diagram_.SetSize(width, static_cast<int>(std::ceil(height)));
  try {
    diagram_.Draw([this](Canvas& canvas) { DrawCuttingDiagram(*materials_, canvas); });
  } catch (const std::exception& e) {
    diagram_.SetSize(width, 60);
    diagram_.Draw([&e](Canvas& canvas) {
      canvas.SetPenColor(kWhite);
      canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
      canvas.TextOut(20, 20, std::string("The diagram cannot be drawn: ") + e.what());
    });
  }
  diagramLabel->setPixmap(QPixmap::fromImage(diagram_.Image()));
  diagramLabel->resize(diagram_.Image().size());
}

std::string MaterialsWindow::ListsText() const {
  return varnloft::ListsText(ListsOf(*materials_));
}

void MaterialsWindow::PressCopy() {
  QGuiApplication::clipboard()->setText(Q(ListsText()));
}

void MaterialsWindow::EnableButtons(bool enabled) {
  for (QPushButton* b : {copyButton, saveCsvButton, saveSvgButton, printButton})
    b->setEnabled(enabled);
}

QString MaterialsWindow::AskSavePath(const QString& title, const QString& name,
                                     const QString& filter, const QString& suffix) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QString path =
      askSaveFileName ? askSaveFileName(title, QDir(folder).filePath(name), filter) : QString();
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += suffix;
  return path;
}

void MaterialsWindow::PressSaveCsv() {
  const QString path =
      AskSavePath("Save the materials as CSV", "Materials.csv", "CSV files (*.csv)", ".csv");
  if (path.isEmpty()) return;
  // Written whole to a temporary file, then put in place: a failed write leaves the old file.
  const std::string reason = WriteFileAtomically(path.toStdString(), MaterialsCsv(*materials_));
  if (!reason.empty())
    prompts_.ShowError("The materials could not be saved to " + path.toStdString() + ": " + reason +
                       ".");
}

void MaterialsWindow::PressSaveSvg() {
  const QString path = AskSavePath("Save the cutting diagrams as SVG", "Cutting diagrams.svg",
                                   "SVG pictures (*.svg)", ".svg");
  if (path.isEmpty()) return;
  const std::string error = SaveCuttingDiagramSvg(*materials_, path);
  if (!error.empty()) prompts_.ShowError(error);
}

void MaterialsWindow::PressPrint() {
  if (!printMaterials) return;
  try {
    printMaterials(*materials_);
  } catch (const ProgramError& e) {
    prompts_.ShowError(e.what());
  } catch (const std::exception& e) {
    prompts_.ShowError(std::string("The materials could not be printed: ") + e.what());
  }
}

}  // namespace varnloft
