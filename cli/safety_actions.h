#pragma once
// The driver's safety check: --species, --person and --deflection-limit set the check up (the
// last of each counts); --check FILE writes the report of the last design, with its suggestions,
// at the end of the run, after the JSON document, and --export-svg safety=FILE its picture. A
// refused species, mass or ratio is a usage error (exit status 2), as nothing in the window would
// take it. Without --species the check takes the wood the design file names, else the measure's
// default.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli_action.h"
#include "safety/safety_check.h"

namespace varnloft {

class CliSafety {
 public:
  explicit CliSafety(MainWindow& window);

  // Runs a safety action; false when the action is not one of these.
  bool Apply(const CliAction& action);

  // After the run: the check of the last design into every --check file, each written to a
  // temporary file first; false (with a message) when one cannot be written.
  bool WriteFiles(std::string& error) const;

 private:
  MainWindow& window_;
  SafetySettings settings_;
  std::vector<std::string> files_;     // --check, in order
  std::vector<std::string> svgFiles_;  // --export-svg safety=FILE
};

const std::vector<std::string>& SafetyOptionsWithArgument();
bool IsSafetyAction(const CliAction& action);

// Throws UsageError for an unknown species, a mass or ratio that is not a positive number in
// range, or a --check file that is not .json.
void ValidateSafetyAction(const CliAction& action);

// The --help text of these options.
std::string SafetyHelpText();

}  // namespace varnloft
