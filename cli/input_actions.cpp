#include "cli/input_actions.h"

#include <functional>
#include <utility>

#include "app/design_commands.h"
#include "app/input_boxes.h"
#include "app/main_window.h"
#include "app/option_commands.h"
#include "app/option_dialogs.h"
#include "app/preset_commands.h"
#include "app/preset_menu.h"

namespace varnloft {

namespace {

// The main window takes input, and the menu and its item are enabled.
bool CanUseMenuItem(const MainWindow& w, const char* menu, const std::string& item) {
  return w.form.mainWindowEnabled && w.form.at(menu).enabled && w.form.at(item).enabled;
}

void PressButton(MainWindow& w, const char* button, const std::function<void()>& click) {
  if (!w.form.mainWindowEnabled || !w.form.at(button).enabled) return;
  w.design().ButtonMouseDown(button);
  w.HandleUserEvent(click);
}

// The Pre-Settings item whose caption is exactly `caption`; empty when there is none.
std::string PresetItemWithCaption(const MainWindow& w, const std::string& caption) {
  for (const auto& name : PresetMenuItems())
    if (w.form.Text(name) == caption) return name;
  return "";
}

// Clicks a menu item that opens an option dialog; true when the dialog is then open.
bool OpenDialog(MainWindow& w, const char* item, const std::function<void()>& click,
                const char* dialog) {
  if (!CanUseMenuItem(w, "Options1", item)) return false;
  w.HandleUserEvent(click);
  return w.form.at(dialog).visible;
}

// A dialog that refused its OK is closed as the window manager would close it.
void CloseIfStillOpen(MainWindow& w, const char* dialog, const std::function<void()>& close) {
  if (w.form.at(dialog).visible) RunDialogEvent(w, dialog, close);
}

void ApplyThickness(MainWindow& w, const std::string& argument, bool cancel) {
  if (!OpenDialog(
          w, "LumberThickness2", [&w] { w.options().ShowThicknessDialog(); }, kThicknessDialog))
    return;
  ThicknessDialog dialog(w);
  if (cancel) {
    RunDialogEvent(w, kThicknessDialog, [&] { dialog.PressCancel(); });
  } else {
    // Inches before the colon, sixteenths after it.
    const auto colon = argument.find(':');
    const std::pair<const char*, std::string> typing[] = {
        {"inches", argument.substr(0, colon)}, {"sixteenths", argument.substr(colon + 1)}};
    for (const auto& entry : typing) {
      const char* box = entry.first;
      TypeIntoDialogBox(w, kThicknessDialog, box, entry.second,
                        [&](const std::string& typed) { dialog.UserChange(box, typed); });
    }
    if (dialog.IsOpen()) RunDialogEvent(w, kThicknessDialog, [&] { dialog.PressOk(); });
  }
  CloseIfStillOpen(w, kThicknessDialog, [&] { dialog.CloseRequest(); });
}

void ApplyScale(MainWindow& w, const std::string& percentage) {
  if (!OpenDialog(
          w, "UserDefinedPercentageSetting1", [&w] { w.options().ShowScaleDialog(); },
          kScaleDialog))
    return;
  ScaleDialog dialog(w);
  TypeIntoDialogBox(w, kScaleDialog, "percentage", percentage,
                    [&](const std::string& typed) { dialog.UserChange(typed); });
  if (dialog.IsOpen()) RunDialogEvent(w, kScaleDialog, [&] { dialog.PressOk(); });
  CloseIfStillOpen(w, kScaleDialog, [&] { dialog.CloseRequest(); });
}

}  // namespace

const std::vector<std::string>& InputOptionsWithArgument() {
  static const std::vector<std::string> options = {"--preset", "--thickness", "--scale"};
  return options;
}

const std::vector<std::string>& InputOptionsWithoutArgument() {
  static const std::vector<std::string> options = {"--metric", "--imperial", "--thickness-cancel",
                                                   "--model-toggle"};
  return options;
}

void ValidateInputAction(const MainWindow& window, const CliAction& action) {
  if (action.option == "--preset") {
    if (PresetItemWithCaption(window, action.argument).empty()) {
      throw UsageError(
          "--preset needs a Pre-Settings caption such as \"Adult Standard\" or \"Childrens  "
          "Standard\" (two blanks), got '" +
          action.argument + "'");
    }
  } else if (action.option == "--thickness") {
    if (action.argument.find(':') == std::string::npos)
      throw UsageError("--thickness needs INCHES:SIXTEENTHS, got '" + action.argument + "'");
  }
}

bool ApplyInputAction(MainWindow& w, const CliAction& action) {
  const std::string& option = action.option;
  if (option == "--metric") {
    PressButton(w, "metricButton", [&w] { w.presets().SwitchToMetric(); });
  } else if (option == "--imperial") {
    PressButton(w, "imperialButton", [&w] { w.presets().SwitchToImperial(); });
  } else if (option == "--preset") {
    const std::string item = PresetItemWithCaption(w, action.argument);
    if (item.empty() || !CanUseMenuItem(w, "PreSettings1", item)) return true;
    w.HandleUserEvent([&] { w.presets().ApplyPreset(item); });
  } else if (option == "--thickness") {
    ApplyThickness(w, action.argument, false);
  } else if (option == "--thickness-cancel") {
    ApplyThickness(w, "", true);
  } else if (option == "--scale") {
    ApplyScale(w, action.argument);
  } else if (option == "--model-toggle") {
    const char* item = "modelScaleItem";
    if (!CanUseMenuItem(w, "Options1", item)) return true;
    w.HandleUserEvent([&] { w.options().ToggleModelScale(); });
  } else {
    return false;
  }
  return true;
}

void RevealSizeBox(MainWindow& w, const std::string& box) {
  const InputBoxes* row = BoxesOfBox(box);
  if (!row || !row->IsLumberRow() || box != row->SizeBox() || !w.form.mainWindowEnabled ||
      w.form.at(box).visible)
    return;
  if (!w.form.at(row->greenLabel).visible) return;
  w.HandleUserEvent([&] { w.design().ShowLumberSizeBox(row->greenLabel); });
}

}  // namespace varnloft
