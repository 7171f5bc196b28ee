#pragma once
// The program's windows, created at start-up in their fixed order and living until it ends:
// the main window, the lumber thickness dialog, the model scale dialog, About, Plans and
// Illustrations. Connects the main window's outward calls to them.
#include <QImage>
#include <QWidget>
#include <memory>

#include "app/main_window.h"
#include "app/qt/tbyc.h"
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
  TBYC& mainWindow() { return *byc_; }
  QImage& image5() { return image5_; }

 private:
  void DrawDesignViewIntoImage1();

  SystemClock clock_;
  QtPrompts prompts_;
  QtShell shell_;
  std::unique_ptr<MainWindow> state_;
  std::unique_ptr<TBYC> byc_;
  std::unique_ptr<QWidget> okRightDlg_;
  std::unique_ptr<QWidget> okBottomDlg_;
  std::unique_ptr<QWidget> aboutBox_;
  std::unique_ptr<QWidget> form4_;
  std::unique_ptr<QWidget> form7_;
  QImage image5_;
};

}  // namespace varnloft
