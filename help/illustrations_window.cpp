#include "help/illustrations_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "help/bevel_panel.h"
#include "help/help_fonts.h"
#include "help/illustration_texts.h"
#include "help/program_icon.h"

namespace varnloft {
namespace {

constexpr int kIllustrationsWidth = 536;
constexpr int kClientHeight = 278;
constexpr int kReportWidth = 518;
constexpr int kReportHeight = 237;
const QColor kNavyText(0, 0, 128);
const QColor kLight3D(227, 227, 227);

// Tabs drawn as buttons: raised when not selected, pressed in when selected.
constexpr char kButtonTabs[] = R"(
QTabWidget::pane { border: none; }
QTabBar::tab {
  background: #dcdad5; border: 2px outset #e8e6e1; padding: 2px 5px; margin: 2px 1px 2px 0px;
}
QTabBar::tab:selected { background: #c8c6c0; border: 2px inset #d8d6d0; }
QTabBar::tab:hover:!selected { background: #e8e6e2; }
)";

constexpr char kPhotographHint[] =
    "A finished Varnloft table: six feet long, with a 2 X 6 deck and seats on a 2 X 4 frame";

QTextEdit* MakeTextPane(bool readOnly, const QColor& background) {
  auto* pane = new QTextEdit;
  pane->setReadOnly(readOnly);
  pane->setFont(ArialFont(13));
  pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setFrameStyle(QFrame::NoFrame);
  pane->viewport()->setCursor(readOnly ? Qt::ArrowCursor : Qt::IBeamCursor);
  QPalette colours = pane->palette();
  colours.setColor(QPalette::Text, kNavyText);
  if (background.isValid()) colours.setColor(QPalette::Base, background);
  pane->setPalette(colours);
  return pane;
}

QString GeneralInfoHtml() {
  QString html;
  for (const AdviceSection& section : GeneralInfoSections()) {
    html +=
        "<p align=\"center\"><b>" + QString::fromUtf8(section.heading).toHtmlEscaped() + "</b></p>";
    int number = 1;
    for (const char* item : section.items)
      html += "<p align=\"center\">" + QString::number(number++) + ". " +
              QString::fromUtf8(item).toHtmlEscaped() + "</p>";
    html += "<p></p>";
  }
  return html;
}

QString FormulaText() {
  QStringList lines;
  for (const std::string& line : FormulaLines()) lines << QString::fromStdString(line);
  return lines.join('\n');
}

}  // namespace

IllustrationsWindow::IllustrationsWindow(QWidget* parent)
    : QDialog(parent), angleReport_(kReportWidth, kReportHeight, QImage::Format_RGB32) {
  angleReport_.fill(Qt::white);
  setWindowTitle("  Illustrations");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kIllustrationsWidth, kClientHeight);
  setFont(DialogFont(11));
  setWindowIcon(ProgramIcon());

  pages = new QTabWidget(this);
  pages->setStyleSheet(kButtonTabs);
  pages->setCursor(Qt::PointingHandCursor);
  pages->setUsesScrollButtons(false);  // all seven tabs stay in view
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages);

  BuildPicturePages();
  BuildTextPages();
  pages->setCurrentIndex(0);
}

QWidget* IllustrationsWindow::AddPage(const QString& caption, BevelPanel* panel) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
  pages->addTab(page, caption);
  return page;
}

PictureView* IllustrationsWindow::MakeStoredPictureView(const StoredPicture& stored, QImage& target,
                                                        PictureView::Fit fit) {
  DecodedPicture decoded = LoadStoredPicture(stored);
  target = decoded.image;
  auto* view = new PictureView(&target, fit);
  if (!decoded.ok()) {
    view->SetMessage(QString::fromStdString(decoded.error));
    pictureErrors_ << QString::fromStdString(decoded.error);
    qWarning("%s", decoded.error.c_str());
  }
  return view;
}

void IllustrationsWindow::BuildPicturePages() {
  auto* photographPanel = new BevelPanel(5, QColor());
  photographView = MakeStoredPictureView(kTablePhotograph, photograph_, PictureView::Fit::Stretch);
  photographView->setToolTip(kPhotographHint);
  photographPanel->Hold(photographView);
  varnloftPage = AddPage("Varnloft", photographPanel);

  auto* holeLocationsPanel = new BevelPanel(5, Qt::white);
  holeLocationsView =
      MakeStoredPictureView(kHoleLocationsSketch, holeLocations_, PictureView::Fit::Centre);
  holeLocationsPanel->Hold(holeLocationsView);
  holeLocationsPage = AddPage("Hole Locations", holeLocationsPanel);

  auto* tipsyTablePanel = new BevelPanel(5, Qt::white);
  tipsyTableView = MakeStoredPictureView(kTipsyTableSketch, tipsyTable_, PictureView::Fit::Centre);
  tipsyTablePanel->Hold(tipsyTableView);
  tipsyTablePage = AddPage("Tipsy Table", tipsyTablePanel);

  auto* angleCheckingPanel = new BevelPanel(5, Qt::white);
  angleCheckingView =
      MakeStoredPictureView(kAngleCheckingSketch, angleChecking_, PictureView::Fit::Centre);
  angleCheckingPanel->Hold(angleCheckingView);
  angleCheckingPage = AddPage("Angle Checking", angleCheckingPanel);
  angleCheckingBackdrop = new QLabel(angleCheckingPage);  // an empty picture behind the panel
  angleCheckingBackdrop->lower();

  // The angle report keeps its drawn size whatever room the page has.
  auto* twoAnglesPanel = new BevelPanel(5, QColor());
  angleReportView = new PictureView(&angleReport_, PictureView::Fit::TopLeft);
  angleReportView->setFixedSize(kReportWidth, kReportHeight);
  twoAnglesPanel->Hold(angleReportView, true);
  twoAnglesPage = AddPage("Two Angles Only", twoAnglesPanel);
}

void IllustrationsWindow::BuildTextPages() {
  auto* generalInfoPanel = new BevelPanel(3, QColor());
  generalInfoPane = MakeTextPane(true, QColor());
  generalInfoPane->setHtml(GeneralInfoHtml());
  generalInfoPanel->Hold(generalInfoPane);
  generalInfoPage = AddPage("General Info", generalInfoPanel);

  // Editable for the user's own notes; nothing typed here is kept or read by the design.
  auto* formulaPanel = new BevelPanel(1, QColor());
  formulaPane = MakeTextPane(false, kLight3D);
  formulaPane->setPlainText(FormulaText());
  formulaPanel->Hold(formulaPane);
  formulaPage = AddPage("Formula", formulaPanel);
}

void IllustrationsWindow::SetAngleReport(const QImage& report) {
  angleReport_ = report;
  RefreshAngleReport();
}

void IllustrationsWindow::RefreshAngleReport() {
  angleReportView->update();
}

void IllustrationsWindow::ShowCentred() {
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  raise();
  activateWindow();
}

bool IllustrationsWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate) emit Deactivated();
  return QDialog::event(event);
}

}  // namespace varnloft
