#include "app/qt/plans_window.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/control_names.h"
#include "app/kept_plan_values.h"
#include "app/qt/plans_glyphs.h"
#include "help/help_fonts.h"
#include "plans/plan_name.h"
#include "plans/plan_sheet.h"
#include "platform/qt/image_file.h"

namespace varnloft {

namespace {

constexpr int kButtonPanelHeight = 41;
constexpr int kCloseButtonHeight = 24;

QPushButton* PanelButton(QWidget* parent, const QString& caption, const QIcon& glyph, int left,
                         bool tabStop) {
  auto* button = new QPushButton(glyph, caption, parent);
  button->setGeometry(left, 8, 75, 25);
  button->setCursor(Qt::PointingHandCursor);
  if (!tabStop) button->setFocusPolicy(Qt::ClickFocus);
  return button;
}

void UseMaroonArial(QPushButton* button) {
  button->setFont(ArialFont(12));
  QPalette colours = button->palette();
  colours.setColor(QPalette::ButtonText, QColor(128, 0, 0));
  button->setPalette(colours);
}

}  // namespace

QString PictureFileName(const QString& chosen) {
  return ImageFormatFor(chosen.toStdString()) ? chosen : chosen + ".bmp";
}

PlansWindow::PlansWindow(DesignRecord& record, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      record_(record),
      prompts_(prompts),
      sheetPicture_(kPlanSheetWidth, kPlanSheetHeight) {
  setObjectName("Form4");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setFont(DialogFont(11));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  resize(537, 429);

  buttonPanel = new QFrame(this);
  buttonPanel->setObjectName(QString::fromStdString(WidgetNameOf("plansWindow.buttonPanel")));
  buttonPanel->setFixedHeight(kButtonPanelHeight);
  buttonPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  buttonPanel->setLineWidth(2);
  saveButton = PanelButton(buttonPanel, "Save", SaveGlyph(), 8, true);
  saveButton->setObjectName(QString::fromStdString(WidgetNameOf("plansWindow.save")));
  UseMaroonArial(saveButton);
  printButton = PanelButton(buttonPanel, "Print", PrintGlyph(), 96, false);
  printButton->setObjectName(QString::fromStdString(WidgetNameOf("plansWindow.print")));
  UseMaroonArial(printButton);
  closeButton = PanelButton(buttonPanel, "Close", CloseGlyph(), 464, false);
  closeButton->setObjectName(QString::fromStdString(WidgetNameOf("plansWindow.close")));

  scrollBox = new QScrollArea(this);
  scrollBox->setObjectName("ScrollBox");
  scrollBox->setFrameStyle(QFrame::NoFrame);
  scrollBox->setBackgroundRole(QPalette::Window);
  auto* content = new QWidget;
  content->setFixedSize(kPlanSheetWidth, kPlanSheetHeight + kCloseButtonHeight + 16);
  sheetLabel = new QLabel(content);
  sheetLabel->setObjectName(QString::fromStdString(WidgetNameOf("plansWindow.sheet")));
  sheetLabel->setGeometry(0, 0, kPlanSheetWidth, kPlanSheetHeight);
  sheetLabel->setPixmap(QPixmap::fromImage(sheetPicture_.Image()));
  // The lower Close sits just under the sheet's lower left corner, where it covers no notes.
  lowerCloseButton = new QPushButton(CloseGlyph(), "Close", content);
  lowerCloseButton->setObjectName(QString::fromStdString(WidgetNameOf("plansWindow.lowerClose")));
  lowerCloseButton->setGeometry(8, kPlanSheetHeight + 8, 75, kCloseButtonHeight);
  lowerCloseButton->setCursor(Qt::PointingHandCursor);
  lowerCloseButton->setFocusPolicy(Qt::ClickFocus);
  scrollBox->setWidget(content);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(buttonPanel);
  layout->addWidget(scrollBox, 1);

  connect(saveButton, &QPushButton::clicked, this, [this] { PressSave(); });
  connect(closeButton, &QPushButton::clicked, this, [this] { PressClose(); });
  connect(lowerCloseButton, &QPushButton::clicked, this, [this] { PressLowerClose(); });
  connect(printButton, &QPushButton::clicked, this, [this] { PressPrint(); });

  askSaveFileName = [this](const QString& folder, const QString& name) {
    return RunSaveDialog(folder, name);
  };
}

void PlansWindow::DrawPlanSheet(const PlanContext& context, RecordingCanvas* recording) {
  sheetPicture_.Draw(
      [&](Canvas& canvas) {
        KeepPlanValues(record_, varnloft::DrawPlanSheet(record_, canvas, context).values);
      },
      recording);
  sheetLabel->setPixmap(QPixmap::fromImage(sheetPicture_.Image()));
  SizeFromSheet();
}

void PlansWindow::SizeFromSheet() {
  // The restored size follows the sheet and the screen only, so pressing Plans again and again
  // gives the same window every time.
  const int frame = 2 * scrollBox->frameWidth();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  int width = kPlanSheetWidth + scrollBar + frame;
  int height = kButtonPanelHeight + scrollBox->widget()->height() + frame;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    width = std::min(width, available.width());
    height = std::min(height, available.height());
  }
  resize(width, height);
}

QString PlansWindow::StartFolder() {
  for (auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DesktopLocation}) {
    QString folder = QStandardPaths::writableLocation(location);
    if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  }
  return QDir::homePath();
}

QString PlansWindow::RunSaveDialog(const QString& folder, const QString& proposedName) {
  QFileDialog dialog(this, "Save As");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter("Bitmap File (*.bmp)");
  dialog.setDefaultSuffix("bmp");
  dialog.setDirectory(folder);
  dialog.selectFile(proposedName);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

void PlansWindow::PressSave() {
  const QString proposed = QString::fromStdString(PlanFileName(record_.PlanName, ".bmp"));
  const QString path = askSaveFileName ? askSaveFileName(StartFolder(), proposed) : QString();
  // The keyboard comes back here when the save dialog closes, window manager or not.
  activateWindow();
  if (path.isEmpty()) return;
  const QString target = PictureFileName(path);
  // The dialog asked before replacing the chosen name, not the one with ".bmp" added.
  if (target != path && QFileInfo::exists(target) &&
      prompts_.AskYesNoCancel("\"" + target.toStdString() +
                              "\" already exists.\nDo you want to replace it?") != Answer::Yes)
    return;
  const std::string error = SaveImageFile(sheetPicture_.Image(), target);
  if (!error.empty()) prompts_.ShowError(error);
}

void PlansWindow::PressClose() {
  reject();
}

void PlansWindow::PressLowerClose() {
  reject();
}

void PlansWindow::PressPrint() {
  if (pressMainPrint) pressMainPrint();
}

void PlansWindow::ShowTitle() {
  setWindowTitle(QString::fromStdString("  " + record_.TitleText));
}

bool PlansWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) ShowTitle();
  return QDialog::event(event);
}

}  // namespace varnloft
