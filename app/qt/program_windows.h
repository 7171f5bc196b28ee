#pragma once
// The program's windows: the main window, made at start-up, and the others (the option dialogs,
// About, Plans, Illustrations, Materials, 3D View, Safety) and the printer, each made when it is
// first needed and living until the program ends. Start-up makes only what the first design on
// screen needs. Connects the main window's outward calls to them; each call is one member
// function.
#include <QAction>
#include <QIcon>
#include <QImage>
#include <QSettings>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/main_window.h"
#include "app/materials_setup.h"
#include "app/qt/export_commands.h"
#include "app/qt/main_window_calls.h"
#include "app/qt/main_window_widget.h"
#include "app/qt/materials_window.h"
#include "app/qt/model_export.h"
#include "app/qt/plans_printer.h"
#include "app/qt/plans_window.h"
#include "app/qt/recent_files.h"
#include "app/qt/safety_window.h"
#include "app/qt/scale_dialog_window.h"
#include "app/qt/table_3d_window.h"
#include "app/qt/thickness_dialog_window.h"
#include "help/about_window.h"
#include "help/illustrations_window.h"
#include "platform/qt/picture.h"
#include "platform/qt/qt_prompts.h"
#include "platform/qt/qt_shell.h"
#include "platform/system_clock.h"

namespace varnloft {

class ProgramWindows : public MainWindowCalls {
 public:
  ProgramWindows();
  ~ProgramWindows() override;

  // Opens the main window maximised (sized to the screen where no window manager maximises it).
  void ShowMainWindow();
  // Keeps the Open Recent list in these settings (the program's own; the tests keep none).
  void KeepRecentFiles(std::unique_ptr<QSettings> settings);
  // Reads the Materials window's settings from these (the program's own; the tests keep none or
  // a scratch file) and saves them there after every change.
  void KeepMaterialsSettings(std::unique_ptr<QSettings> settings);
  // Reads the Safety window's person and sag limit from these and saves them there on change.
  void KeepSafetySettings(std::unique_ptr<QSettings> settings);
  // The design file named on the command line, after ShowMainWindow: read before the first
  // activation designs it; a refusal or a notice of missing keys is shown once that design is on
  // screen, and the built-in design stays when the file is refused.
  void OpenAtStartUp(const std::string& path);

  MainWindow& state() { return *state_; }
  MainWindowWidget& mainWindow() { return *mainWidget_; }
  // The other windows and the printer, each made on first use.
  ThicknessDialogWindow& thicknessDialog();
  ScaleDialogWindow& scaleDialog();
  IllustrationsWindow& illustrations();
  AboutWindow& aboutWindow();
  PlansWindow& plansWindow();
  PlansPrinter& plansPrinter();
  Table3dWindow& table3dWindow();
  ModelExport& modelExport() { return *modelExport_; }
  ExportCommands& exports() { return *exports_; }
  MaterialsWindow& materialsWindow();
  SafetyWindow& safetyWindow();

 private:
  // What the main window asks of the other windows (MainWindowCalls answers for itself); the
  // windows a call needs are made then.
  void DrawDesignView() override;
  void DrawAngleReport() override;
  void DesignChanged() override;
  void ShowAbout() override;
  void ShowIllustrations() override;
  void ShowPlans() override;
  void PrintPlans() override;
  void PrinterSetup() override;
  void ShowThicknessDialog() override;
  void ShowScaleDialog() override;
  void ShowMaterials() override;

  // The program's icon, drawn when first needed.
  const QIcon& Icon();
  // File > Export: the single pictures and the build packet.
  void ConnectExports();
  // Wires an option dialog. While it is open, message boxes belong to it, so that they open
  // over the dialog rather than over the disabled main window; closing it activates the main
  // window.
  void ConnectOptionDialog(OptionDialogWindow& dialog);
  // View > 3D View… and File > Export > 3D model….
  void Connect3d();
  // View > Materials, the lists after every design, and the settings kept between runs.
  void ConnectMaterials();
  void MakeMaterialsWindow();
  // View > Safety Check…, the check after every design, its caption when a check fails, and
  // the suggestions applied to the main window.
  void ConnectSafety();
  void MakeSafetyWindow();
  // Checks the last design: in the Safety window once it is made, else for the menu item only.
  void CheckSafety();
  void ShowSafetyCheckResult(const WindowSafety& result);

  SystemClock clock_;
  QtPrompts prompts_;
  QtShell shell_;
  std::unique_ptr<MainWindow> state_;
  std::unique_ptr<MainWindowWidget> mainWidget_;
  std::unique_ptr<ThicknessDialogWindow> thicknessDialog_;
  std::unique_ptr<ScaleDialogWindow> scaleDialog_;
  std::unique_ptr<AboutWindow> aboutWindow_;
  std::unique_ptr<PlansWindow> plansWindow_;
  std::unique_ptr<IllustrationsWindow> illustrationsWindow_;
  std::unique_ptr<Table3dWindow> table3dWindow_;
  std::unique_ptr<ModelExport> modelExport_;
  QIcon icon_;
  Picture designViewPicture_;   // the main window's picture area
  Picture angleReportPicture_;  // the angle report of the Illustrations window
  // The designs whose angle report is owed to the Illustrations window while it is not made:
  // the last one's record, and how many (the first drawing starts from another pen than later
  // ones, which start from the pen the one before left).
  std::optional<DesignRecord> owedAngleReport_;
  int owedAngleReports_ = 0;
  // One printer for Printer Setup and Print, so the set-up is kept; made when first needed,
  // since making it asks the print system for its printers.
  std::unique_ptr<PlansPrinter> printer_;
  std::unique_ptr<RecentFiles> recentFiles_;
  std::unique_ptr<ExportCommands> exports_;
  MaterialsSetup materialsSetup_;
  std::unique_ptr<QSettings> materialsSettings_;  // kept between runs, when the program keeps them
  std::string materialsSettingsProblem_;          // saved ones that could not be used, told once
  QtPrompts materialsPrompts_;                    // message boxes over the Materials window
  std::unique_ptr<MaterialsWindow> materialsWindow_;
  std::unique_ptr<SafetyWindow> safetyWindow_;
  QAction* safetyItem_ = nullptr;               // View > Safety Check…
  QWidget* safetyWarning_ = nullptr;            // the status bar's note while a check fails
  std::optional<SafetyCheck> lastSafetyCheck_;  // for a 3D View made after it
  SafetySettings safetySettingsRead_;           // until the Safety window is made; then its own
  std::unique_ptr<QSettings> safetySettings_;   // kept between runs, when the program keeps them
};

}  // namespace varnloft
