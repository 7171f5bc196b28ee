// The File menu: New, Open, Open Recent, Save, Save As and Revert, and the unsaved-changes
// question that New, Open and closing the window ask.
#include "app/design_commands.h"
#include "app/file_commands.h"
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

void FileCommands::StartNewDocument(const std::string& path, KeptKeys kept) {
  w_.openStep_.reset();
  w_.path_ = path;
  w_.kept_ = std::move(kept);
  w_.history_.Clear();
}

void FileCommands::ActivateAfterDialog() {
  if (!w_.calls().ActivateMainWindow()) w_.HandleUserEvent([this] { w_.design().Activate(); });
}

void FileCommands::ShowOpening(const FileOpening& opening) {
  if (!opening.error.empty()) w_.prompts().ShowError(opening.error);
  if (!opening.notice.empty()) w_.prompts().ShowInfo(opening.notice);
}

bool FileCommands::ConfirmCloseDesign() {
  w_.EndStep();
  if (!w_.IsModified()) return true;
  switch (w_.prompts().AskSaveChanges("Save changes to " + w_.DesignName() + " before closing?")) {
    case Answer::Yes:
      return SaveDesign();
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

void FileCommands::NewDesign() {
  if (!ConfirmCloseDesign()) return;
  w_.Restore(w_.startUp_);
  StartNewDocument("", {});
  w_.design().PressDesign();
}

FileOpening FileCommands::OpenDesignFile(const std::string& path) {
  FileOpening opening;
  DesignFileReading reading;
  if (!ReadDesignAt(path, reading, opening.error)) return opening;
  w_.EndStep();
  ApplyDesignState(w_.form, w_.rec, reading.contents.state);
  StartNewDocument(path, std::move(reading.contents.kept));
  opening.notice = MissingKeysNotice(path, reading.contents.missingKeys);
  opening.opened = true;
  w_.calls().RememberRecentFile(path);
  return opening;
}

void FileCommands::OpenDesign() {
  if (!ConfirmCloseDesign()) return;
  const std::string path = w_.calls().AskOpenDesignFile();
  if (!path.empty()) ShowOpening(OpenDesignFile(path));
  // The main window is active again once the dialog has closed: one design.
  ActivateAfterDialog();
}

void FileCommands::OpenRecentDesign(const std::string& path) {
  if (!ConfirmCloseDesign()) return;
  const FileOpening opening = OpenDesignFile(path);
  ShowOpening(opening);
  if (opening.opened) w_.design().PressDesign();
}

bool FileCommands::SaveDesignTo(const std::string& path) {
  const DesignFileText file =
      WriteDesignFile(CaptureDesignState(w_.form, w_.rec), w_.rec, w_.kept_);
  const std::string reason = file.error.empty() ? WriteFileAtomically(path, file.text) : file.error;
  if (!reason.empty()) {
    const std::string message =
        "Cannot save " + Quoted(path) + ": " + reason + ". The design is not saved.";
    w_.prompts().ShowError(message);
    w_.calls().SaveFailed(message);
    return false;
  }
  w_.path_ = path;
  w_.history_.MarkSaved();
  w_.calls().RememberRecentFile(path);
  return true;
}

bool FileCommands::SaveDesign() {
  w_.EndStep();
  return w_.path_.empty() ? SaveDesignAs() : SaveDesignTo(w_.path_);
}

bool FileCommands::SaveDesignAs() {
  w_.EndStep();
  const std::string proposed =
      w_.path_.empty() ? std::string(kUntitled) + ".varnloft" : BaseName(w_.path_);
  const std::string path = w_.calls().AskSaveDesignFile(proposed);
  return !path.empty() && SaveDesignTo(path);
}

void FileCommands::RevertDesign() {
  if (w_.path_.empty()) return;
  w_.EndStep();
  DesignFileReading reading;
  std::string error;
  if (!ReadDesignAt(w_.path_, reading, error)) {
    w_.prompts().ShowError(error);
    return;
  }
  {
    // Undoable, so that reverting loses nothing.
    MainWindow::StepScope step(w_, "Revert");
    ApplyDesignState(w_.form, w_.rec, reading.contents.state);
    w_.kept_ = std::move(reading.contents.kept);
  }
  w_.history_.MarkSaved();
  const std::string notice = MissingKeysNotice(w_.path_, reading.contents.missingKeys);
  if (!notice.empty()) w_.prompts().ShowInfo(notice);
  w_.design().PressDesign();
}

}  // namespace varnloft
