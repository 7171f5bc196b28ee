#pragma once
// The main window's Pre-Settings menu (ten presets from one table, and Custom Design) and its
// measuring systems (the Imperial and Metric buttons).
#include <string>

#include "app/main_window.h"

namespace varnloft {

class PresetCommands {
 public:
  explicit PresetCommands(MainWindow& window) : w_(window) {}

  // The handler of the named Pre-Settings menu item (a preset or Custom Design).
  void ApplyPreset(const std::string& item);
  void ChooseCustomDesign();
  // 1 1/2 inch lumber, in the design and in the thickness dialog's boxes.
  void ResetLumberThickness();
  void CheckOnlyPresetItem(const std::string& item);

  void SwitchToImperial();
  void SwitchToMetric();

 private:
  // The Imperial or Metric button: every box rewritten from the record in the new measure, the
  // columns rearranged, and the table designed again.
  void SwitchMeasure(bool imperial);

  MainWindow& w_;
};

inline PresetCommands MainWindow::presets() {
  return PresetCommands(*this);
}

}  // namespace varnloft
