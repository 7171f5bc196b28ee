// The window's safety check: the check and its suggestions from the window's state, the rows
// the Safety window shows, and applying a suggestion as a builder would type it.
#include "app/safety_actions.h"

#include "app/design_commands.h"
#include "app/design_state.h"
#include "app/input_boxes.h"
#include "design/design_inputs.h"
#include "document/safety_suggestions.h"
#include "model3d/build_table_model.h"

namespace varnloft {

namespace {

const InputBoxes* BoxesOf(const std::string& role) {
  for (const InputBoxes& entry : InputBoxTable())
    if (role == entry.input->role) return &entry;
  return nullptr;
}

}  // namespace

WindowSafety CheckWindowDesign(const MainWindow& w, SafetySettings settings) {
  if (!settings.species) settings.species = w.form.woodSpecies;
  WindowSafety out;
  out.model = BuildTableModel(w.rec);
  out.check = CheckSafety(w.rec, out.model, settings);
  out.suggestions =
      SuggestSafetyChanges(CaptureDesignState(w.form, w.rec), w.rec, out.check, settings);
  return out;
}

bool ApplySafetySuggestion(MainWindow& w, const SafetySuggestion& s) {
  if (!w.form.mainWindowEnabled) return false;
  for (const auto& [role, texts] : s.inputs) {
    const InputBoxes* entry = BoxesOf(role);
    if (!entry || texts.size() != entry->boxes.size()) return false;
  }
  if (s.inputs.empty()) return true;
  {
    MainWindow::StepScope step(w, "Safety suggestion: " + s.change);
    for (const auto& input : s.inputs) {
      // A structured binding cannot be captured by the lambdas below (clang 14).
      const std::vector<std::string>& texts = input.second;
      const InputBoxes& entry = *BoxesOf(input.first);
      // The boxes the design reads in this measure; a lumber row's size box first, whose change
      // fills its width box in, as choosing a size does.
      std::vector<size_t> slots = ReadSlots(entry.input->unit, w.rec.ImperialUnits);
      if (entry.IsLumberRow()) slots.insert(slots.begin(), 0);
      for (size_t slot : slots) {
        const std::string box = entry.boxes[slot];
        if (entry.IsLumberRow() && slot == 0 && !w.form.at(box).visible &&
            w.form.at(entry.greenLabel).visible)
          w.HandleUserEvent([&] { w.design().ShowLumberSizeBox(entry.greenLabel); });
        w.HandleUserEvent([&] { w.design().TypeIntoBox(box, texts[slot]); });
      }
    }
  }
  if (!w.form.mainWindowEnabled || !w.form.at("designButton").enabled) return true;
  w.design().ButtonMouseDown("designButton");
  w.HandleUserEvent([&] { w.design().PressDesign(); });
  return true;
}

}  // namespace varnloft
