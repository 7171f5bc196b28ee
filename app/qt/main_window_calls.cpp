#include "app/qt/main_window_calls.h"

#include "app/qt/main_window_widget.h"

namespace varnloft {

std::string MainWindowCalls::AskOpenDesignFile() {
  return widget_ ? widget_->AskOpenDesignFile() : "";
}

std::string MainWindowCalls::AskSaveDesignFile(const std::string& proposedName) {
  return widget_ ? widget_->AskSaveDesignFile(proposedName) : "";
}

void MainWindowCalls::RememberRecentFile(const std::string& path) {
  if (widget_) widget_->RememberRecentFile(path);
}

bool MainWindowCalls::ActivateMainWindow() {
  if (!widget_) return false;
  widget_->ActivateFromProgram();
  return true;
}

void MainWindowCalls::CloseMainWindow() {
  if (widget_) widget_->close();
}

}  // namespace varnloft
