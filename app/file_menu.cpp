// The File menu: New, Open, Open Recent, Save, Save As and Revert, and the unsaved-changes
// question that New, Open and closing the window ask.
#include "app/main_window.h"
#include "document/design_file.h"
#include "platform/atomic_write.h"
#include "platform/bounded_read.h"

namespace varnloft {

namespace {

constexpr char kUntitled[] = "Untitled";

std::string BaseName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Quoted(const std::string& path) {
  return "\"" + BaseName(path) + "\"";
}

// Reads and checks a design file; false with the message to show when it is refused.
bool ReadDesignAt(const std::string& path, DesignFileReading& reading, std::string& message) {
  std::string text;
  std::string reason = ReadFileUpTo(path, kDesignFileMaxBytes, text);
  if (reason.empty()) {
    reading = ReadDesignFile(text);
    if (reading.ok) return true;
    reason = reading.error;
  }
  message = "Cannot open " + Quoted(path) + ": " + reason + ". Nothing was changed.";
  return false;
}

std::string MissingKeysNotice(const std::string& path, const std::vector<std::string>& keys) {
  if (keys.empty()) return "";
  std::string list;
  for (const auto& key : keys) list += (list.empty() ? "" : ", ") + key;
  return Quoted(path) + " has no value for " + list +
         ". These take the Adult Standard values in the file's measure.";
}

}  // namespace

std::string MainWindow::DesignName() const {
  return path_.empty() ? kUntitled : BaseName(path_);
}

bool MainWindow::IsModified() const {
  return !history_.AtSavedPoint() || HasPendingChange();
}

std::string MainWindow::WindowTitle() const {
  // A "[*]" in the name itself is doubled, so that only ours marks unsaved changes.
  std::string name;
  for (const std::string whole = DesignName(); const char c : whole) {
    name += c;
    if (name.size() >= 3 && name.compare(name.size() - 3, 3, "[*]") == 0) name += "[*]";
  }
  return "   " + name + "[*] - " + rec.TitleText;
}

void MainWindow::StartNewDocument(const std::string& path, KeptKeys kept) {
  openStep_.reset();
  path_ = path;
  kept_ = std::move(kept);
  history_.Clear();
}

void MainWindow::ActivateAfterDialog() {
  if (!calls().ActivateMainWindow()) HandleUserEvent([this] { Activate(); });
}

void MainWindow::ShowOpening(const FileOpening& opening) {
  if (!opening.error.empty()) prompts_.ShowError(opening.error);
  if (!opening.notice.empty()) prompts_.ShowInfo(opening.notice);
}

bool MainWindow::ConfirmCloseDesign() {
  EndStep();
  if (!IsModified()) return true;
  switch (prompts_.AskSaveChanges("Save changes to " + DesignName() + " before closing?")) {
    case Answer::Yes:
      return SaveDesign();
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

void MainWindow::NewDesign() {
  if (!ConfirmCloseDesign()) return;
  Restore(startUp_);
  StartNewDocument("", {});
  PressDesign();
}

FileOpening MainWindow::OpenDesignFile(const std::string& path) {
  FileOpening opening;
  DesignFileReading reading;
  if (!ReadDesignAt(path, reading, opening.error)) return opening;
  EndStep();
  ApplyDesignState(form, rec, reading.contents.state);
  StartNewDocument(path, std::move(reading.contents.kept));
  opening.notice = MissingKeysNotice(path, reading.contents.missingKeys);
  opening.opened = true;
  calls().RememberRecentFile(path);
  return opening;
}

void MainWindow::OpenDesign() {
  if (!ConfirmCloseDesign()) return;
  const std::string path = calls().AskOpenDesignFile();
  if (!path.empty()) ShowOpening(OpenDesignFile(path));
  // The main window is active again once the dialog has closed: one design.
  ActivateAfterDialog();
}

void MainWindow::OpenRecentDesign(const std::string& path) {
  if (!ConfirmCloseDesign()) return;
  const FileOpening opening = OpenDesignFile(path);
  ShowOpening(opening);
  if (opening.opened) PressDesign();
}

bool MainWindow::SaveDesignTo(const std::string& path) {
  const DesignFileText file = WriteDesignFile(CaptureDesignState(form, rec), rec, kept_);
  const std::string reason = file.error.empty() ? WriteFileAtomically(path, file.text) : file.error;
  if (!reason.empty()) {
    const std::string message =
        "Cannot save " + Quoted(path) + ": " + reason + ". The design is not saved.";
    prompts_.ShowError(message);
    calls().SaveFailed(message);
    return false;
  }
  path_ = path;
  history_.MarkSaved();
  calls().RememberRecentFile(path);
  return true;
}

bool MainWindow::SaveDesign() {
  EndStep();
  return path_.empty() ? SaveDesignAs() : SaveDesignTo(path_);
}

bool MainWindow::SaveDesignAs() {
  EndStep();
  const std::string proposed =
      path_.empty() ? std::string(kUntitled) + ".varnloft" : BaseName(path_);
  const std::string path = calls().AskSaveDesignFile(proposed);
  return !path.empty() && SaveDesignTo(path);
}

void MainWindow::RevertDesign() {
  if (path_.empty()) return;
  EndStep();
  DesignFileReading reading;
  std::string error;
  if (!ReadDesignAt(path_, reading, error)) {
    prompts_.ShowError(error);
    return;
  }
  {
    // Undoable, so that reverting loses nothing.
    StepScope step(*this, "Revert");
    ApplyDesignState(form, rec, reading.contents.state);
    kept_ = std::move(reading.contents.kept);
  }
  history_.MarkSaved();
  const std::string notice = MissingKeysNotice(path_, reading.contents.missingKeys);
  if (!notice.empty()) prompts_.ShowInfo(notice);
  PressDesign();
}

}  // namespace varnloft
