#pragma once
// The main window's Options menu (the lumber thickness and model scale dialogs, the 21.4 % model
// scale), the View and Help menus' windows, Printer Setup and Exit.
#include "app/main_window.h"

namespace varnloft {

class OptionCommands {
 public:
  explicit OptionCommands(MainWindow& window) : w_(window) {}

  void ShowThicknessDialog();
  void ClickThicknessLabel();  // the thickness label: opens the thickness dialog too
  void ShowScaleDialog();
  void ToggleModelScale();

  void Exit();
  void PrinterSetup();
  void ShowAbout();
  void ShowIllustrations();
  void ShowMaterials();  // View > Materials

 private:
  MainWindow& w_;
};

inline OptionCommands MainWindow::options() {
  return OptionCommands(*this);
}

}  // namespace varnloft
