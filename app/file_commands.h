#pragma once
// The main window's File menu (New, Open, Open Recent, Save, Save As, Revert, and the
// unsaved-changes question that New, Open and closing the window ask), the Edit menu's Undo and
// Redo, and typing in a box as one step of the history.
#include <string>

#include "app/main_window.h"

namespace varnloft {

// What opening a design file found: an error (nothing changed) or a notice of missing keys.
struct FileOpening {
  bool opened = false;
  std::string error;   // "Cannot open \"a.varnloft\": ..."
  std::string notice;  // the keys that took the Adult Standard values, or empty
};

class FileCommands {
 public:
  explicit FileCommands(MainWindow& window) : w_(window) {}

  // New, Open and Exit ask first when the design has unsaved changes.
  void NewDesign();   // the built-in design, designed at once
  void OpenDesign();  // the file dialog, the file, then the activation that follows the dialog
  // A file of Open Recent: as Open without the dialog.
  void OpenRecentDesign(const std::string& path);
  // Reads a design file into the window without a question and without designing.
  FileOpening OpenDesignFile(const std::string& path);
  bool SaveDesign();    // to its file; an untitled design asks for one
  bool SaveDesignAs();  // asks for a file
  void RevertDesign();  // the file as saved, as one undoable step
  // "Save changes to NAME before closing?": true when the caller may go on (saved or
  // discarded), false on Cancel or when the save did not happen.
  bool ConfirmCloseDesign();

  void Undo();
  void Redo();
  // A box's text as the user typed it in the window (one key, a deletion, a paste): all of a
  // box's changes until the focus leaves it are one step.
  void BoxTextEdited(const std::string& box, const std::string& text);
  void BoxFocusLeft(const std::string& box);

 private:
  void StartNewDocument(const std::string& path, KeptKeys kept);
  void ActivateAfterDialog();
  void ShowOpening(const FileOpening& opening);
  bool SaveDesignTo(const std::string& path);

  MainWindow& w_;
};

inline FileCommands MainWindow::files() {
  return FileCommands(*this);
}

}  // namespace varnloft
