#include "app/qt/program_windows.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QTimer>

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

  // The other windows, in their fixed order.
  thicknessDialog_ = std::make_unique<ThicknessDialogWindow>(*state_);
  scaleDialog_ = std::make_unique<ScaleDialogWindow>(*state_);
  aboutWindow_ = std::make_unique<AboutWindow>(shell_, state_->rec);
  plansWindow_ = std::make_unique<PlansWindow>(state_->rec, prompts_);
  illustrationsWindow_ = std::make_unique<IllustrationsWindow>();
  mainWidget_->setWindowIcon(ProgramIcon());
  // Coming back from the Illustrations window is a real activation of the main window.
  mainWidget_->SetReturnActivates(illustrationsWindow_.get());

  ConnectPlans();
  ConnectExports();
  Connect3d();
  ConnectMaterials();
  ConnectSafety();
  // For the end-to-end tests: VARNLOFT_STATE_DUMP names a file that receives the window's
  // state as JSON after every change.
  const QString dumpPath = qEnvironmentVariable("VARNLOFT_STATE_DUMP");
  if (!dumpPath.isEmpty()) {
    mainWidget_->SetAfterSync([this, dumpPath] {
      // A dump that cannot be written is missed by the test that reads it; nothing else.
      WriteFileAtomically(dumpPath.toStdString(), ReportJson(*state_, prompts_.shown));
      WriteFileAtomically((dumpPath + ".geometry").toStdString(),
                          mainWidget_->WidgetGeometryJson().toStdString());
    });
  }
  ConnectOptionDialog(*thicknessDialog_);
  ConnectOptionDialog(*scaleDialog_);
  state_->SetCalls(*this);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::DrawAngleReport() {
  angleReportPicture_.Draw(
      [this](Canvas& canvas) { varnloft::DrawAngleReport(state_->rec, canvas); });
  illustrationsWindow_->SetAngleReport(angleReportPicture_.Image());
}

// After every design, the windows that follow it: the lists of materials, the 3D model and the
// safety check.
void ProgramWindows::DesignChanged() {
  materialsWindow_->DesignChanged();
  table3dWindow_->DesignChanged();
  safetyWindow_->DesignChanged();
}

void ProgramWindows::ShowAbout() {
  aboutWindow_->exec();
  mainWidget_->ActivateFromProgram();
}

void ProgramWindows::ShowIllustrations() {
  illustrationsWindow_->ShowCentred();
}

void ProgramWindows::ShowThicknessDialog() {
  prompts_.SetParent(thicknessDialog_.get());
  thicknessDialog_->ShowFromState();
}

void ProgramWindows::ShowScaleDialog() {
  prompts_.SetParent(scaleDialog_.get());
  scaleDialog_->ShowFromState();
}

void ProgramWindows::ShowMainWindow() {
  // Without a window manager a maximise request is not honoured: size the window first.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    mainWidget_->setGeometry(screen->availableGeometry());
  state_->form.windowWidth = mainWidget_->width();
  state_->form.windowHeight = mainWidget_->height();
  state_->form.statusPanel0Width = mainWidget_->width() / 2;
  mainWidget_->showMaximized();
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

void ProgramWindows::ShowPlans() {
  plansWindow_->DrawPlanSheet(PlanContextOf(*state_));
  // Message boxes belong to the plans window while it is open.
  prompts_.SetParent(plansWindow_.get());
  plansWindow_->setWindowState(plansWindow_->windowState() | Qt::WindowMaximized);
  plansWindow_->exec();
  prompts_.SetParent(mainWidget_.get());
  mainWidget_->ActivateFromProgram();
}

void ProgramWindows::PrintPlans() {
  QWidget* over =
      plansWindow_->isVisible() ? static_cast<QWidget*>(plansWindow_.get()) : mainWidget_.get();
  printer_.Print(over, state_->rec, PlanContextOf(*state_));
}

void ProgramWindows::PrinterSetup() {
  printer_.Setup(mainWidget_.get());
}

void ProgramWindows::ConnectPlans() {
  plansWindow_->pressMainPrint = [this] { mainWidget_->button("printButton")->click(); };
}

void ProgramWindows::Connect3d() {
  table3dWindow_ = std::make_unique<Table3dWindow>(state_->rec);
  table3dWindow_->setWindowIcon(ProgramIcon());
  QAction* view = mainWidget_->viewMenu()->addAction("&3D View\u2026");
  view->setObjectName("View3d");
  view->setShortcut(QKeySequence("Ctrl+3"));
  QObject::connect(view, &QAction::triggered, table3dWindow_.get(),
                   [this] { table3dWindow_->ShowAndRaise(); });

  modelExport_ = std::make_unique<ModelExport>(state_->rec, prompts_);
  QAction* exportModel = mainWidget_->exportMenu()->addAction("&3D model\u2026");
  exportModel->setObjectName("Export3dModel");
  QObject::connect(exportModel, &QAction::triggered, mainWidget_.get(),
                   [this] { modelExport_->Run(mainWidget_.get()); });
}

void ProgramWindows::ConnectExports() {
  exports_ = std::make_unique<ExportCommands>(*state_, designViewPicture_, printer_.printer(),
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
