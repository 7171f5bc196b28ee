#pragma once
// The main window's own part of what its state asks of the windows around it: the file dialogs,
// Open Recent, the activation after a dialog and closing. The program's other windows add theirs
// (ProgramWindows); a main window shown alone answers with this part only.
#include <string>

#include "app/window_calls.h"

namespace varnloft {

class MainWindowWidget;

class MainWindowCalls : public WindowCalls {
 public:
  explicit MainWindowCalls(MainWindowWidget* widget = nullptr) : widget_(widget) {}
  void SetWidget(MainWindowWidget* widget) { widget_ = widget; }

  std::string AskOpenDesignFile() override;
  std::string AskSaveDesignFile(const std::string& proposedName) override;
  void RememberRecentFile(const std::string& path) override;
  bool ActivateMainWindow() override;
  void CloseMainWindow() override;

 private:
  MainWindowWidget* widget_;
};

}  // namespace varnloft
