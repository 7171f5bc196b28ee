#include "app/undo_history.h"

#include <utility>

namespace varnloft {

namespace {

const std::string kNoName;

}  // namespace

void UndoHistory::Push(std::string name, WindowSnapshot before) {
  // A saved point among the steps being dropped can never be reached again.
  if (saved_ > static_cast<long>(undo_.size())) saved_ = -1;
  redo_.clear();
  undo_.push_back({std::move(name), std::move(before)});
}

const std::string& UndoHistory::UndoName() const {
  return undo_.empty() ? kNoName : undo_.back().name;
}

const std::string& UndoHistory::RedoName() const {
  return redo_.empty() ? kNoName : redo_.back().name;
}

WindowSnapshot UndoHistory::Undo(WindowSnapshot current) {
  Step step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back({step.name, std::move(current)});
  return std::move(step.window);
}

WindowSnapshot UndoHistory::Redo(WindowSnapshot current) {
  Step step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({step.name, std::move(current)});
  return std::move(step.window);
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  saved_ = 0;
}

}  // namespace varnloft
