#pragma once
// The program's windows, created at start-up in their fixed order and living until it ends:
// the main window, the lumber thickness dialog, the model scale dialog, About, Plans and
// Illustrations. Connects the main window's outward calls to them.
#include <QImage>
#include <QSettings>
#include <QWidget>
#include <memory>

#include "app/main_window.h"
#include "app/materials_setup.h"
#include "app/qt/main_window_widget.h"
#include "app/qt/materials_window.h"
#include "app/qt/plans_printer.h"
#include "app/qt/plans_window.h"
#include "app/qt/scale_dialog_window.h"
#include "app/qt/thickness_dialog_window.h"
#include "help/about_window.h"
#include "help/illustrations_window.h"
#include "platform/qt/picture.h"
#include "platform/qt/qt_prompts.h"
#include "platform/qt/qt_shell.h"
#include "platform/system_clock.h"

namespace varnloft {

class ProgramWindows {
 public:
  ProgramWindows();
  ~ProgramWindows();

  // Opens the main window maximised (sized to the screen where no window manager maximises it).
  void ShowMainWindow();

  MainWindow& state() { return *state_; }
  MainWindowWidget& mainWindow() { return *mainWidget_; }
  ThicknessDialogWindow& okRightDlg() { return *okRightDlg_; }
  ScaleDialogWindow& okBottomDlg() { return *okBottomDlg_; }
  Picture& image5() { return angleReportPicture_; }
  IllustrationsWindow& illustrations() { return *illustrationsWindow_; }
  AboutWindow& aboutWindow() { return *aboutWindow_; }
  PlansWindow& plansWindow() { return *plansWindow_; }
  PlansPrinter& plansPrinter() { return printer_; }
  MaterialsWindow& materialsWindow() { return *materialsWindow_; }

 private:
  void RedrawDesignView();
  // The Plans and Print buttons, Printer Setup, and the plans window's Print.
  void ConnectPlans();
  // Wires an option dialog. While it is open, message boxes belong to it, so that they open
  // over the dialog rather than over the disabled main window; closing it activates the main
  // window.
  void ConnectOptionDialog(OptionDialogWindow& dialog);
  // View > Materials, the lists after every design, and the settings kept between runs.
  void ConnectMaterials();

  SystemClock clock_;
  QtPrompts prompts_;
  QtShell shell_;
  std::unique_ptr<MainWindow> state_;
  std::unique_ptr<MainWindowWidget> mainWidget_;
  std::unique_ptr<ThicknessDialogWindow> okRightDlg_;
  std::unique_ptr<ScaleDialogWindow> okBottomDlg_;
  std::unique_ptr<AboutWindow> aboutWindow_;
  std::unique_ptr<PlansWindow> plansWindow_;
  std::unique_ptr<IllustrationsWindow> illustrationsWindow_;
  Picture designViewPicture_;   // the main window's picture area
  Picture angleReportPicture_;  // the angle report of the Illustrations window
  PlansPrinter printer_;        // one printer for Printer Setup and Print, so the set-up is kept
  MaterialsSetup materialsSetup_;
  std::unique_ptr<QSettings> savedSettings_;  // the materials settings kept between runs
  QtPrompts materialsPrompts_;                // message boxes over the Materials window
  std::unique_ptr<MaterialsWindow> materialsWindow_;
};

}  // namespace varnloft
