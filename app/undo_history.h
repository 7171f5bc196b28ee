#pragma once
// The undo and redo history: each step's name with the window as it was before the step. It has
// no limit short of memory, and remembers the point at which the design was last saved.
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

// The window's state: every control's values, the status texts and the design record. The
// window's size and caption are the window's, not a design's, and are not kept.
struct WindowSnapshot {
  std::vector<ControlValues> controls;  // in the order of FormState::Names()
  std::string statusPanel0, statusPanel1;
  bool mainWindowEnabled = true;
  DesignRecord rec;
};

WindowSnapshot TakeSnapshot(const FormState& form, const DesignRecord& rec);
// Puts a snapshot of this same window back; the record's program texts (title, notice,
// thousands separator) stay as they are now.
void RestoreSnapshot(const WindowSnapshot& snapshot, FormState& form, DesignRecord& rec);

class UndoHistory {
 public:
  // A new step; the steps that could be redone are dropped.
  void Push(std::string name, WindowSnapshot before);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  const std::string& UndoName() const;  // empty when there is nothing to undo
  const std::string& RedoName() const;

  // Moves the last step to the redo list, which keeps `current` for it; returns the window as it
  // was before the step. Only when CanUndo().
  WindowSnapshot Undo(WindowSnapshot current);
  // Moves the next step back, keeping `current` as the window before it; returns the window as
  // it was after the step. Only when CanRedo().
  WindowSnapshot Redo(WindowSnapshot current);

  // Forgets every step (New, Open); the design counts as saved.
  void Clear();
  // The design as it stands is the saved one.
  void MarkSaved() { saved_ = static_cast<long>(undo_.size()); }
  // True while the steps done are exactly those done when the design was last saved.
  bool AtSavedPoint() const { return saved_ == static_cast<long>(undo_.size()); }

  size_t UndoCount() const { return undo_.size(); }
  size_t RedoCount() const { return redo_.size(); }

 private:
  struct Step {
    std::string name;
    WindowSnapshot window;
  };
  std::vector<Step> undo_;
  std::vector<Step> redo_;
  long saved_ = 0;  // the undo count at the last save; -1 once that point can never come back
};

}  // namespace varnloft
