#pragma once
// The headless driver's File and Edit menu actions: --open, --save-design, --new, --undo and
// --redo, each run as the menu item runs it. The driver reads and writes no saved settings.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli_action.h"

namespace varnloft {

const std::vector<std::string>& FileOptionsWithArgument();
const std::vector<std::string>& FileOptionsWithoutArgument();

// True when a run uses any of these options: its report then holds "file" and "history".
bool UsesFileOptions(const std::vector<CliAction>& actions);

class CliFiles {
 public:
  // A design that cannot be saved is reported through `writeError`, besides its error box.
  CliFiles(MainWindow& window, std::string& writeError);

  // The Open dialog answers --open's file, the Save As dialog --save-design's; any other (the
  // Save As that the unsaved-changes question's Save of an untitled design opens) is cancelled.
  const std::string& OpenChoice() const { return openChoice_; }
  const std::string& SaveChoice() const { return saveChoice_; }
  void SaveFailed(const std::string& error);

  // Runs a file action; false when the action is not one of these.
  bool Apply(const CliAction& action);

 private:
  MainWindow& window_;
  std::string& writeError_;
  // What the Open and Save As dialogs of the action being run return; empty: cancelled.
  std::string openChoice_;
  std::string saveChoice_;
};

}  // namespace varnloft
