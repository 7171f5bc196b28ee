#pragma once
// The headless driver's run: starts the main window as the program does, applies the actions of
// the command line in order, and writes the JSON report.
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli_action.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft {

struct CliOptions {
  std::vector<CliAction> actions;
  std::string now;     // --now, empty for the real clock
  std::string locale;  // --locale, empty for English with ","
  bool help = false;
  bool designFileArgument = false;  // the first argument named a design file (an --open)
};

// Splits the command line; throws UsageError for an unknown option or a missing argument.
CliOptions ParseCommandLine(const std::vector<std::string>& args);

// The --help text.
std::string CliHelpText();

class CliPictures;
class CliPlans;
class CliMaterials;
class CliSafety;
class CliFiles;
class CliModel3d;
class CliExports;

// The driver's window and what the window asks of the windows around it: pictures drawn, plans
// drawn and printed into files, file dialogs answered by the options.
class CliSession : private WindowCalls {
 public:
  CliSession(const LocalDateTime& now, LocaleTexts locale);
  ~CliSession() override;

  // Throws UsageError for an action the window cannot take (unknown box, item not listed, ...).
  void Validate(const CliAction& action) const;
  // Runs one action as the user would; errors of the program go to the error box.
  void Apply(const CliAction& action);
  // StartUp, then the activation that presses Design, at the first --window size if any.
  // A run with a file option reports the design's file and history too.
  void Start(const std::vector<CliAction>& actions = {});

  // After the last action: the drawings the --ops files of the plans need (see --help).
  void Conclude();

  // The report gets the "inputs" member (a design file was given as the first argument).
  void ReportInputs() { reportInputs_ = true; }

  std::string Report() const;
  // Writes the --ops files; false with `error` set when a file cannot be written.
  bool Finish(std::string& error);
  // A file the driver could not write, if any (reported on stderr, exit status 1).
  const std::string& WriteError() const { return writeError_; }

  MainWindow& window() { return window_; }
  ScriptedPrompts& prompts() { return prompts_; }

 private:
  void DrawAngleReport() override;
  void DrawDesignView() override;
  void ShowPlans() override;
  void PrintPlans() override;
  std::string AskOpenDesignFile() override;
  std::string AskSaveDesignFile(const std::string& proposedName) override;
  void SaveFailed(const std::string& error) override;

  FixedClock clock_;
  ScriptedPrompts prompts_;
  RecordingShell shell_;
  MainWindow window_;
  std::unique_ptr<CliPictures> pictures_;
  std::string writeError_;
  std::unique_ptr<CliPlans> plans_;
  std::unique_ptr<CliMaterials> materials_;
  std::unique_ptr<CliSafety> safety_;
  std::unique_ptr<CliFiles> files_;
  bool reportDocument_ = false;
  bool reportInputs_ = false;
  bool reportRoles_ = false;
  std::unique_ptr<CliModel3d> model3d_;
  std::unique_ptr<CliExports> exports_;
};

}  // namespace varnloft
