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

constexpr int kClientWidth = 536;
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
  setFixedSize(kClientWidth, kClientHeight);
  setFont(DialogFont(11));
  setWindowIcon(ProgramIcon());

  PageControl1 = new QTabWidget(this);
  PageControl1->setStyleSheet(kButtonTabs);
  PageControl1->setCursor(Qt::PointingHandCursor);
  PageControl1->setUsesScrollButtons(false);  // all seven tabs stay in view
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl1);

  BuildPicturePages();
  BuildTextPages();
  PageControl1->setCurrentIndex(0);
}

QWidget* IllustrationsWindow::AddPage(const QString& caption, BevelPanel* panel) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
  PageControl1->addTab(page, caption);
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
  auto* Panel6 = new BevelPanel(5, QColor());
  Image6 = MakeStoredPictureView(kTablePhotograph, photograph_, PictureView::Fit::Stretch);
  Image6->setToolTip(kPhotographHint);
  Panel6->Hold(Image6);
  TabSheet5 = AddPage("Varnloft", Panel6);

  auto* Panel3 = new BevelPanel(5, Qt::white);
  Image4 = MakeStoredPictureView(kHoleLocationsSketch, holeLocations_, PictureView::Fit::Centre);
  Panel3->Hold(Image4);
  TabSheet1 = AddPage("Hole Locations", Panel3);

  auto* Panel2 = new BevelPanel(5, Qt::white);
  Image2 = MakeStoredPictureView(kTipsyTableSketch, tipsyTable_, PictureView::Fit::Centre);
  Panel2->Hold(Image2);
  TabSheet2 = AddPage("Tipsy Table", Panel2);

  auto* Panel1 = new BevelPanel(5, Qt::white);
  Image1 = MakeStoredPictureView(kAngleCheckingSketch, angleChecking_, PictureView::Fit::Centre);
  Panel1->Hold(Image1);
  TabSheet3 = AddPage("Angle Checking", Panel1);
  Image3 = new QLabel(TabSheet3);  // an empty picture behind the panel
  Image3->lower();

  // The angle report keeps its drawn size whatever room the page has.
  auto* Panel5 = new BevelPanel(5, QColor());
  Image5View = new PictureView(&angleReport_, PictureView::Fit::TopLeft);
  Image5View->setFixedSize(kReportWidth, kReportHeight);
  Panel5->Hold(Image5View, true);
  TabSheet4 = AddPage("Two Angles Only", Panel5);
}

void IllustrationsWindow::BuildTextPages() {
  auto* Panel7 = new BevelPanel(3, QColor());
  RichEdit1 = MakeTextPane(true, QColor());
  RichEdit1->setHtml(GeneralInfoHtml());
  Panel7->Hold(RichEdit1);
  TabSheet6 = AddPage("General Info", Panel7);

  // Editable for the user's own notes; nothing typed here is kept or read by the design.
  auto* Panel4 = new BevelPanel(1, QColor());
  RichEdit2 = MakeTextPane(false, kLight3D);
  RichEdit2->setPlainText(FormulaText());
  Panel4->Hold(RichEdit2);
  TabSheet7 = AddPage("Formula", Panel4);
}

void IllustrationsWindow::SetAngleReport(const QImage& report) {
  angleReport_ = report;
  RefreshAngleReport();
}

void IllustrationsWindow::RefreshAngleReport() {
  Image5View->update();
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
