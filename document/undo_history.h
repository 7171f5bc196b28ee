#pragma once
// The undo and redo history of a document: each step's name with the version of the document
// as it was before the step. It has no limit short of memory, and remembers the point at which
// the document was last saved. A front end keeps in a version whatever it must bring back with
// the document (the window keeps its controls and the computed record beside the texts).
#include <string>
#include <utility>
#include <vector>

namespace varnloft {

template <class Version>
class UndoHistory {
 public:
  // A new step; the steps that could be redone are dropped.
  void Push(std::string name, Version before) {
    // A saved point among the steps being dropped can never be reached again.
    if (saved_ > static_cast<long>(undo_.size())) saved_ = -1;
    redo_.clear();
    undo_.push_back({std::move(name), std::move(before)});
  }

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Empty when there is nothing to undo (redo).
  const std::string& UndoName() const { return undo_.empty() ? NoName() : undo_.back().name; }
  const std::string& RedoName() const { return redo_.empty() ? NoName() : redo_.back().name; }

  // Moves the last step to the redo list, which keeps `current` for it; returns the version
  // before the step. Only when CanUndo().
  Version Undo(Version current) { return Move(undo_, redo_, std::move(current)); }
  // Moves the next step back, keeping `current` as the version before it; returns the version
  // after the step. Only when CanRedo().
  Version Redo(Version current) { return Move(redo_, undo_, std::move(current)); }

  // Forgets every step (New, Open); the document counts as saved.
  void Clear() {
    undo_.clear();
    redo_.clear();
    saved_ = 0;
  }
  // The document as it stands is the saved one.
  void MarkSaved() { saved_ = static_cast<long>(undo_.size()); }
  // True while the steps done are exactly those done when the document was last saved.
  bool AtSavedPoint() const { return saved_ == static_cast<long>(undo_.size()); }

  size_t UndoCount() const { return undo_.size(); }
  size_t RedoCount() const { return redo_.size(); }

 private:
  struct Step {
    std::string name;
    Version version;
  };
  static const std::string& NoName() {
    static const std::string none;
    return none;
  }
  static Version Move(std::vector<Step>& from, std::vector<Step>& to, Version current) {
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({step.name, std::move(current)});
    return std::move(step.version);
  }

  std::vector<Step> undo_;
  std::vector<Step> redo_;
  long saved_ = 0;  // the undo count at the last save; -1 once that point can never come back
};

}  // namespace varnloft
