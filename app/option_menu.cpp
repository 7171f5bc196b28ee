// The Options menu and the thickness label: the two dialogs and the 21.4 % model scale.
#include "app/main_window.h"
#include "app/option_dialogs.h"

namespace varnloft {

namespace {

// 3/14 of full size: a 3.5 inch board drawn as 3/4 inch.
constexpr float kMiniatureScale = 3.0f / 14.0f;

}  // namespace

// Each option dialog is one step, from its opening until the design its closing brings about.
void MainWindow::ShowThicknessDialog() {
  BeginStep("Lumber Thickness", StepKind::Dialog);
  ThicknessDialog(*this).Show();
}

void MainWindow::ClickThicknessLabel() {
  BeginStep("Lumber Thickness", StepKind::Dialog);
  ThicknessDialog(*this).Show();
}

void MainWindow::ShowScaleDialog() {
  BeginStep("Model Scale Percentage", StepKind::Dialog);
  ScaleDialog(*this).Show();
}

void MainWindow::ToggleModelScale() {
  StepScope step(*this, rec.ModelScale ? "Restore 100% Size" : "21.4% Model Scale");
  ControlState& item = form.at("modelScaleItem");
  // Declining either question (No or Cancel) leaves everything as it was.
  if (!rec.ModelScale) {
    if (prompts().AskYesNoCancel("Design to a 21.4% Size Reduction Scale.") != Answer::Yes) return;
    item.text = "Restore back to 100% Size";
    rec.ModelScale = true;
    rec.ScaleFactor = kMiniatureScale;
    form.statusPanel0 = "21.4% Size Reduction Scale.";
  } else {
    if (prompts().AskYesNoCancel("Restore back to 100% Size?") != Answer::Yes) return;
    rec.ModelScale = false;
    rec.ScaleFactor = 0;
    item.text = "21.4 % Size Reduction Scale (3.5\" to .75\" for models, crafts, etc.)";
    form.statusPanel0 = "Tellwick Picnic Tables Varnloft";
  }
  DesignCycle();
}

}  // namespace varnloft
