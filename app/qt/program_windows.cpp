#include "app/qt/program_windows.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "app/file_commands.h"
#include "app/plan_context_of.h"
#include "app/state_report.h"
#include "design/angle_report.h"
#include "drawing/design_view.h"
#include "help/program_icon.h"
#include "platform/atomic_write.h"
#include "platform/qt/qt_locale_texts.h"

namespace varnloft {

ProgramWindows::ProgramWindows() : designViewPicture_(1, 1), angleReportPicture_(518, 237) {
  state_ = std::make_unique<MainWindow>(prompts_, clock_, shell_, LocaleTextsOf(QLocale()));
  mainWidget_ = std::make_unique<MainWindowWidget>(*state_);
  SetWidget(mainWidget_.get());
  prompts_.SetParent(mainWidget_.get());
  state_->form.windowWidth = mainWidget_->width();
  state_->StartUp();
  mainWidget_->SyncFromState();

  ConnectExports();
  Connect3d();
  ConnectMaterials();
  ConnectSafety();
  // For the end-to-end tests: VARNLOFT_STATE_DUMP names a file that receives the window's
  // state as JSON after every change.
  const QString dumpPath = qEnvironmentVariable("VARNLOFT_STATE_DUMP");
  if (!dumpPath.isEmpty()) {
    mainWidget_->SetAfterSync([this, dumpPath] {
      // A dump that cannot be written is missed by the test that reads it; nothing else. It is
      // not flushed to the disk: nothing is lost with it, and the flush would hold up every
      // change by milliseconds.
      WriteFileAtomically(dumpPath.toStdString(), ReportJson(*state_, prompts_.shown),
                          Durability::Unflushed);
      WriteFileAtomically((dumpPath + ".geometry").toStdString(),
                          mainWidget_->WidgetGeometryJson().toStdString(), Durability::Unflushed);
    });
  }
  state_->SetCalls(*this);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::ShowMainWindow() {
  // Without a window manager a maximise request is not honoured: size the window first.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    mainWidget_->setGeometry(screen->availableGeometry());
  state_->form.windowWidth = mainWidget_->width();
  state_->form.windowHeight = mainWidget_->height();
  state_->form.statusPanel0Width = mainWidget_->width() / 2;
  mainWidget_->showMaximized();
  // The icon's seven sizes take a few milliseconds to draw: after the first design is on screen
  // (the first activation, which the showing has queued, runs before this).
  QTimer::singleShot(0, mainWidget_.get(), [this] { mainWidget_->setWindowIcon(Icon()); });
}

const QIcon& ProgramWindows::Icon() {
  if (icon_.isNull()) icon_ = ProgramIcon();
  return icon_;
}

void ProgramWindows::KeepRecentFiles(std::unique_ptr<QSettings> settings) {
  recentFiles_ = std::make_unique<RecentFiles>(std::move(settings));
  mainWidget_->SetRecentFiles(recentFiles_.get());
}

void ProgramWindows::OpenAtStartUp(const std::string& path) {
  const FileOpening opening = state_->files().OpenDesignFile(path);
  mainWidget_->SyncFromState();
  if (opening.error.empty() && opening.notice.empty()) return;
  // After the first activation, which the window's showing has queued.
  QTimer::singleShot(0, mainWidget_.get(), [this, opening] {
    if (!opening.error.empty()) prompts_.ShowError(opening.error);
    if (!opening.notice.empty()) prompts_.ShowInfo(opening.notice);
  });
}

ThicknessDialogWindow& ProgramWindows::thicknessDialog() {
  if (!thicknessDialog_) {
    thicknessDialog_ = std::make_unique<ThicknessDialogWindow>(*state_);
    ConnectOptionDialog(*thicknessDialog_);
  }
  return *thicknessDialog_;
}

ScaleDialogWindow& ProgramWindows::scaleDialog() {
  if (!scaleDialog_) {
    scaleDialog_ = std::make_unique<ScaleDialogWindow>(*state_);
    ConnectOptionDialog(*scaleDialog_);
  }
  return *scaleDialog_;
}

AboutWindow& ProgramWindows::aboutWindow() {
  if (!aboutWindow_) aboutWindow_ = std::make_unique<AboutWindow>(shell_, state_->rec);
  return *aboutWindow_;
}

IllustrationsWindow& ProgramWindows::illustrations() {
  if (!illustrationsWindow_) {
    illustrationsWindow_ = std::make_unique<IllustrationsWindow>();
    // Coming back from the Illustrations window is a real activation of the main window.
    mainWidget_->SetReturnActivates(illustrationsWindow_.get());
    // The report of the last design, drawn as the designs before it would have left it: a
    // later drawing starts from the pen the one before left.
    if (owedAngleReport_) {
      const DesignRecord& owed = *owedAngleReport_;
      for (int i = 0; i < std::min(owedAngleReports_, 2); ++i)
        angleReportPicture_.Draw(
            [&owed](Canvas& canvas) { varnloft::DrawAngleReport(owed, canvas); });
      illustrationsWindow_->SetAngleReport(angleReportPicture_.Image());
      owedAngleReport_.reset();
    }
  }
  return *illustrationsWindow_;
}

PlansWindow& ProgramWindows::plansWindow() {
  if (!plansWindow_) {
    plansWindow_ = std::make_unique<PlansWindow>(state_->rec, prompts_);
    plansWindow_->pressMainPrint = [this] { mainWidget_->button("printButton")->click(); };
  }
  return *plansWindow_;
}

PlansPrinter& ProgramWindows::plansPrinter() {
  if (!printer_) printer_ = std::make_unique<PlansPrinter>();
  return *printer_;
}

Table3dWindow& ProgramWindows::table3dWindow() {
  if (!table3dWindow_) {
    table3dWindow_ = std::make_unique<Table3dWindow>(state_->rec);
    table3dWindow_->setWindowIcon(Icon());
    if (lastSafetyCheck_) table3dWindow_->SafetyChecked(*lastSafetyCheck_);
  }
  return *table3dWindow_;
}

void ProgramWindows::DrawAngleReport() {
  if (!illustrationsWindow_) {
    // Nobody sees the report until the window is made: it is drawn then.
    owedAngleReport_ = state_->rec;
    ++owedAngleReports_;
    return;
  }
  angleReportPicture_.Draw(
      [this](Canvas& canvas) { varnloft::DrawAngleReport(state_->rec, canvas); });
  illustrationsWindow_->SetAngleReport(angleReportPicture_.Image());
}

void ProgramWindows::ShowAbout() {
  aboutWindow().exec();
  mainWidget_->ActivateFromProgram();
}

void ProgramWindows::ShowIllustrations() {
  illustrations().ShowCentred();
}

// After every design, the windows that follow it: the lists of materials, the 3D model and the
// safety check.
void ProgramWindows::DesignChanged() {
  // The windows not made yet list, build or check the design when they are made and shown.
  if (materialsWindow_) materialsWindow_->DesignChanged();
  if (table3dWindow_) table3dWindow_->DesignChanged();
  CheckSafety();
}

void ProgramWindows::ShowPlans() {
  PlansWindow& plans = plansWindow();
  plans.DrawPlanSheet(PlanContextOf(*state_));
  // Message boxes belong to the plans window while it is open.
  prompts_.SetParent(&plans);
  plans.setWindowState(plans.windowState() | Qt::WindowMaximized);
  plans.exec();
  prompts_.SetParent(mainWidget_.get());
  mainWidget_->ActivateFromProgram();
}

void ProgramWindows::PrintPlans() {
  QWidget* over = plansWindow_ && plansWindow_->isVisible()
                      ? static_cast<QWidget*>(plansWindow_.get())
                      : mainWidget_.get();
  plansPrinter().Print(over, state_->rec, PlanContextOf(*state_));
}

void ProgramWindows::PrinterSetup() {
  plansPrinter().Setup(mainWidget_.get());
}

void ProgramWindows::Connect3d() {
  QAction* view = mainWidget_->viewMenu()->addAction("&3D View\u2026");
  view->setObjectName("View3d");
  view->setShortcut(QKeySequence("Ctrl+3"));
  QObject::connect(view, &QAction::triggered, mainWidget_.get(),
                   [this] { table3dWindow().ShowAndRaise(); });

  modelExport_ = std::make_unique<ModelExport>(state_->rec, prompts_);
  QAction* exportModel = mainWidget_->exportMenu()->addAction("&3D model\u2026");
  exportModel->setObjectName("Export3dModel");
  QObject::connect(exportModel, &QAction::triggered, mainWidget_.get(),
                   [this] { modelExport_->Run(mainWidget_.get()); });
}

void ProgramWindows::ConnectExports() {
  exports_ = std::make_unique<ExportCommands>(
      *state_, designViewPicture_, [this]() -> QPrinter& { return plansPrinter().printer(); },
      prompts_, materialsSetup_);
  exports_->dialogParent = mainWidget_.get();
  QMenu* menu = mainWidget_->exportMenu();
  auto add = [this, menu](const char* name, const QString& caption,
                          const std::function<void()>& handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, mainWidget_.get(),
                     [this, handler] { mainWidget_->Run(handler); });
  };
  add("ExportPlanSheetSvg", "Plan sheet as SVG\u2026", [this] { exports_->ExportPlanSheetSvg(); });
  add("ExportDesignViewSvg", "Design view as SVG\u2026",
      [this] { exports_->ExportDesignViewSvg(); });
  add("ExportDesignViewPng", "Design view as PNG\u2026",
      [this] { exports_->ExportDesignViewPng(); });
  menu->addSeparator();
  add("ExportBuildPacket", "Build packet (PDF)\u2026", [this] { exports_->ExportBuildPacket(); });
}

void ProgramWindows::ConnectOptionDialog(OptionDialogWindow& dialog) {
  dialog.SetMainWindowCalls([this] { mainWidget_->SyncFromState(); },
                            [this] {
                              prompts_.SetParent(mainWidget_.get());
                              mainWidget_->ActivateFromProgram();
                            });
}

void ProgramWindows::ShowThicknessDialog() {
  ThicknessDialogWindow& dialog = thicknessDialog();
  prompts_.SetParent(&dialog);
  dialog.ShowFromState();
}

void ProgramWindows::ShowScaleDialog() {
  ScaleDialogWindow& dialog = scaleDialog();
  prompts_.SetParent(&dialog);
  dialog.ShowFromState();
}

void ProgramWindows::DrawDesignView() {
  PictureArea* area = mainWidget_->designView();
  const QRect frame = mainWidget_->frameGeometry();
  state_->form.windowWidth = frame.width();
  state_->form.windowHeight = frame.height();
  designViewPicture_.SetSize(area->width(), area->height());
  designViewPicture_.Draw([this, frame](Canvas& canvas) {
    varnloft::DrawDesignView(state_->rec, canvas, frame.width(), frame.height());
  });
  area->image = designViewPicture_.Image();
  area->update();
}

}  // namespace varnloft
