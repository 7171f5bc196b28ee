#pragma once
// The headless driver's actions on the measuring systems, the presets, the lumber size boxes and
// the two option dialogs, each run as a user would.
#include "app/main_window.h"
#include "cli/cli_action.h"

namespace varnloft {

// Options handled here, with and without an argument.
const std::vector<std::string>& InputOptionsWithArgument();
const std::vector<std::string>& InputOptionsWithoutArgument();

// Throws UsageError for a malformed argument of one of these options.
void ValidateInputAction(const MainWindow& window, const CliAction& action);

// Runs one of these options; returns false for any other option.
bool ApplyInputAction(MainWindow& window, const CliAction& action);

// A lumber size box hidden behind its green label cannot be typed into: the user clicks the
// label first, which brings the box back.
void RevealSizeBox(MainWindow& window, const std::string& box);

}  // namespace varnloft
