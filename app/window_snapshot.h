#pragma once
// The window as an undo step keeps it: every control's values, the status texts and the design
// record, so that Undo brings the window back exactly as it was, without designing.
#include <string>
#include <vector>

#include "app/form_state.h"
#include "design/design_record.h"

namespace varnloft {

// What a handler can change of a control: all but its list and its hint, which stay as built.
struct ControlValues {
  std::string text;
  bool visible = true, enabled = true, checked = false;
  int left = 0, width = 0;
  Rgb color{};
  int cursor = -1;
};

// The window's state: every control's values, the status texts, the wood and the design record. The
// window's size and caption are the window's, not a design's, and are not kept.
struct WindowSnapshot {
  std::vector<ControlValues> controls;  // in the order of FormState::Names()
  std::string statusPanel0, statusPanel1;
  bool mainWindowEnabled = true;
  std::optional<WoodSpecies> woodSpecies;  // the design's wood
  DesignRecord rec;
};

WindowSnapshot TakeSnapshot(const FormState& form, const DesignRecord& rec);
// Puts a snapshot of this same window back; the record's program texts (title, notice,
// thousands separator) stay as they are now.
void RestoreSnapshot(const WindowSnapshot& snapshot, FormState& form, DesignRecord& rec);

}  // namespace varnloft
