// The Options menu and the thickness label: the two dialogs and the 21.4 % model scale.
#include "app/option_commands.h"
#include "app/option_dialogs.h"

namespace varnloft {

namespace {

// 3/14 of full size: a 3.5 inch board drawn as 3/4 inch.
constexpr float kMiniatureScale = 3.0f / 14.0f;

}  // namespace

// Each option dialog is one step, from its opening until the design its closing brings about.
void OptionCommands::ShowThicknessDialog() {
  w_.BeginStep("Lumber Thickness", MainWindow::StepKind::Dialog);
  ThicknessDialog(w_).Show();
}

void OptionCommands::ClickThicknessLabel() {
  w_.BeginStep("Lumber Thickness", MainWindow::StepKind::Dialog);
  ThicknessDialog(w_).Show();
}

void OptionCommands::ShowScaleDialog() {
  w_.BeginStep("Model Scale Percentage", MainWindow::StepKind::Dialog);
  ScaleDialog(w_).Show();
}

void OptionCommands::ToggleModelScale() {
  MainWindow::StepScope step(w_, w_.rec.ModelScale ? "Restore 100% Size" : "21.4% Model Scale");
  ControlState& item = w_.form.at("modelScaleItem");
  // Declining either question (No or Cancel) leaves everything as it was.
  if (!w_.rec.ModelScale) {
    if (w_.prompts().AskYesNoCancel("Design to a 21.4% Size Reduction Scale.") != Answer::Yes)
      return;
    item.text = "Restore back to 100% Size";
    w_.rec.ModelScale = true;
    w_.rec.ScaleFactor = kMiniatureScale;
    w_.form.statusPanel0 = "21.4% Size Reduction Scale.";
  } else {
    if (w_.prompts().AskYesNoCancel("Restore back to 100% Size?") != Answer::Yes) return;
    w_.rec.ModelScale = false;
    w_.rec.ScaleFactor = 0;
    item.text = "21.4 % Size Reduction Scale (3.5\" to .75\" for models, crafts, etc.)";
    w_.form.statusPanel0 = "Tellwick Picnic Tables Varnloft";
  }
  w_.DesignCycle();
}

void OptionCommands::Exit() {
  w_.calls().CloseMainWindow();
}

void OptionCommands::PrinterSetup() {
  w_.calls().PrinterSetup();
}

void OptionCommands::ShowAbout() {
  w_.prompts().Beep();
  w_.calls().ShowAbout();
}

void OptionCommands::ShowIllustrations() {
  w_.prompts().Beep();
  w_.calls().ShowIllustrations();
}

void OptionCommands::ShowMaterials() {
  w_.calls().ShowMaterials();
}

}  // namespace varnloft
