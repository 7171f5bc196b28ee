#include "cli/file_actions.h"

#include <algorithm>

#include "app/file_commands.h"

namespace varnloft {

const std::vector<std::string>& FileOptionsWithArgument() {
  static const std::vector<std::string> options = {"--open", "--save-design"};
  return options;
}

const std::vector<std::string>& FileOptionsWithoutArgument() {
  static const std::vector<std::string> options = {"--new", "--undo", "--redo"};
  return options;
}

bool UsesFileOptions(const std::vector<CliAction>& actions) {
  return std::any_of(actions.begin(), actions.end(), [](const CliAction& a) {
    const auto& with = FileOptionsWithArgument();
    const auto& without = FileOptionsWithoutArgument();
    return std::find(with.begin(), with.end(), a.option) != with.end() ||
           std::find(without.begin(), without.end(), a.option) != without.end();
  });
}

CliFiles::CliFiles(MainWindow& window, std::string& writeError)
    : window_(window), writeError_(writeError) {}

void CliFiles::SaveFailed(const std::string& error) {
  AddWriteError(writeError_, error);
}

bool CliFiles::Apply(const CliAction& action) {
  MainWindow& w = window_;
  const std::string& option = action.option;
  if (option != "--open" && option != "--save-design" && option != "--new" && option != "--undo" &&
      option != "--redo")
    return false;
  // The menus take no clicks while an option dialog holds the main window.
  if (!w.form.mainWindowEnabled) return true;
  if (option == "--open") openChoice_ = action.argument;
  if (option == "--save-design") saveChoice_ = action.argument;
  if (option == "--open") {
    w.HandleUserEvent([&] { w.files().OpenDesign(); });
  } else if (option == "--save-design") {
    w.HandleUserEvent([&] { w.files().SaveDesignAs(); });
  } else if (option == "--new") {
    w.HandleUserEvent([&] { w.files().NewDesign(); });
  } else if (option == "--undo") {
    w.HandleUserEvent([&] { w.files().Undo(); });
  } else {
    w.HandleUserEvent([&] { w.files().Redo(); });
  }
  openChoice_.clear();
  saveChoice_.clear();
  return true;
}

}  // namespace varnloft
