#pragma once
// The headless driver by role names: --set ROLE=TEXT types a builder's text into the boxes of one
// design input and presses Enter (which designs), --roles reports every input's role, unit,
// boxes and default texts, and a design file given as the first argument is opened. Runs that use
// any of them get an "inputs" member in their report: each role's box texts, as the design file
// keeps them.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli_action.h"

namespace varnloft {

const std::vector<std::string>& RoleOptionsWithArgument();
const std::vector<std::string>& RoleOptionsWithoutArgument();

// True when the report gets the "inputs" member (and, for --roles, the "roles" member).
bool UsesRoleOptions(const std::vector<CliAction>& actions);
bool ReportsRoles(const std::vector<CliAction>& actions);

// Throws UsageError for an unknown role or a missing "=".
void ValidateRoleAction(const CliAction& action);
// Runs --set; false for any other option (--roles is only reported).
bool ApplyRoleAction(MainWindow& window, const CliAction& action);

// The report's members: "inputs" (each role's box texts) and "roles" (each role's unit, boxes and
// default texts in both measures), each an object laid out one role a line at the given indent.
std::string InputsJson(const MainWindow& window);
std::string RolesJson();

// The --help section of these options.
std::string RoleHelpText();

}  // namespace varnloft
