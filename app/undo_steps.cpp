// The Edit menu's Undo and Redo, and the steps they undo and redo. A step begins before an
// action's first change, with a snapshot of the window, and ends when the action is over: a
// typing step when the focus leaves its box, an option dialog's step after the design its
// closing brings about. A step that changed nothing the design file keeps is no step.
#include <sstream>

#include "app/design_commands.h"
#include "app/file_commands.h"
#include "app/input_boxes.h"
#include "app/option_dialog_controls.h"

namespace varnloft {

namespace {

// "Left   Deck Overhang" -> "Left Deck Overhang"
std::string SingleBlanks(const std::string& text) {
  std::istringstream words(text);
  std::string word, out;
  while (words >> word) out += (out.empty() ? "" : " ") + word;
  return out;
}

}  // namespace

MainWindow::StepScope::StepScope(MainWindow& window, const std::string& name) : w_(window) {
  if (w_.stepDepth_ == 0) w_.BeginStep(name, StepKind::Action);
  ++w_.stepDepth_;
}

MainWindow::StepScope::~StepScope() {
  if (--w_.stepDepth_ == 0) w_.EndStep();
}

void MainWindow::BeginStep(const std::string& name, StepKind kind, const std::string& box) {
  if (stepDepth_ > 0) return;  // part of the step under way
  EndStep();
  openStep_ = OpenStep{name, kind, box, Snapshot(), CaptureDesignState(form, rec)};
}

void MainWindow::EndStep() {
  if (!openStep_) return;
  OpenStep step = std::move(*openStep_);
  openStep_.reset();
  if (CaptureDesignState(form, rec) != step.beforeState)
    history_.Push(std::move(step.name), std::move(step.before));
}

void MainWindow::EndDialogStep() {
  if (openStep_ && openStep_->kind == StepKind::Dialog && !form.at(kThicknessDialog).visible &&
      !form.at(kScaleDialog).visible)
    EndStep();
}

std::string MainWindow::BoxStepName(const char* verb, const std::string& box) const {
  const InputBoxes* row = BoxesOfBox(box);
  return std::string(verb) + ": " + (row ? SingleBlanks(row->caption) : box);
}

WindowSnapshot MainWindow::Snapshot() const {
  return TakeSnapshot(form, rec);
}

void MainWindow::Restore(const WindowSnapshot& snapshot) {
  RestoreSnapshot(snapshot, form, rec);
  // A snapshot taken while a button was held down keeps its red caption; no button is held now.
  for (const char* button :
       {"imperialButton", "metricButton", "designButton", "plansButton", "printButton"})
    form.at(button).color = kMaroon;
  const bool exterior = form.at("exteriorSupports").checked;
  form.at("exteriorSupports").color = exterior ? kRed : kBlue;
  form.at("interiorSupports").color = exterior ? kBlue : kRed;
}

void MainWindow::Redraw() {
  calls().DrawAngleReport();
  calls().DrawDesignView();
  // The record is the step's again: the windows that follow the design show it too.
  calls().DesignChanged();
}

bool MainWindow::HasPendingChange() const {
  return openStep_ && CaptureDesignState(form, rec) != openStep_->beforeState;
}

void FileCommands::Undo() {
  if (!w_.form.mainWindowEnabled) return;  // an option dialog is open
  w_.EndStep();
  if (!w_.history_.CanUndo()) return;
  w_.Restore(w_.history_.Undo(w_.Snapshot()));
  w_.Redraw();
}

void FileCommands::Redo() {
  if (!w_.form.mainWindowEnabled) return;
  w_.EndStep();
  if (!w_.history_.CanRedo()) return;
  w_.Restore(w_.history_.Redo(w_.Snapshot()));
  w_.Redraw();
}

std::string MainWindow::UndoMenuText() const {
  // Typing not yet ended is undone first.
  if (HasPendingChange()) return "Undo " + openStep_->name;
  return history_.CanUndo() ? "Undo " + history_.UndoName() : "";
}

std::string MainWindow::RedoMenuText() const {
  // Ending the pending step will drop what could be redone.
  if (HasPendingChange()) return "";
  return history_.CanRedo() ? "Redo " + history_.RedoName() : "";
}

void FileCommands::BoxTextEdited(const std::string& box, const std::string& text) {
  if (!(w_.openStep_ && w_.openStep_->kind == MainWindow::StepKind::Typing &&
        w_.openStep_->box == box))
    w_.BeginStep(w_.BoxStepName("Typing", box), MainWindow::StepKind::Typing, box);
  if (IsEditBox(box)) {
    w_.design().BoxKeyPress(box, text.empty() ? '\b' : text.back());
    w_.form.Text(box) = text;
  } else {
    w_.form.Text(box) = text;
    w_.design().ComboBoxChange(box);
  }
}

void FileCommands::BoxFocusLeft(const std::string& box) {
  if (w_.openStep_ && w_.openStep_->kind == MainWindow::StepKind::Typing &&
      w_.openStep_->box == box)
    w_.EndStep();
}

}  // namespace varnloft
