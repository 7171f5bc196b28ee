#pragma once
// The old form's control names, kept as data in this one table beside the role each control has
// in the program: outsiders rely on them (the Qt widgets' objectName(), which the end-to-end tests
// find and click; the driver's --type and --choose; the keys of the "controls" in its report).
// Everything else names a control by its role: "designButton", "seatToTableDistance.0" (an
// input's box by its role and slot), "tableTopSize.label" (a lumber row's green label),
// "thicknessDialog.inches".
#include <string>
#include <string_view>
#include <vector>

namespace varnloft {

struct ControlName {
  const char* role;
  const char* control;
};

// Every named control, the input boxes in the order of their control numbers.
const std::vector<ControlName>& ControlNames();

// The control name of a role; the role itself when the table has none (a menu item named by its
// control name already).
std::string ControlNameOf(std::string_view role);

// The widget's own name of a role: its control name without the window's name before a full
// stop, as the widget itself is named.
std::string WidgetNameOf(std::string_view role);

// The role of a control name; empty when no control has that name.
std::string RoleOfControl(std::string_view control);

// The role of an input's box: "overallLength.0".
std::string InputBoxRole(std::string_view inputRole, size_t slot);
// The role of a lumber row's green label: "tableTopSize.label".
std::string GreenLabelRole(std::string_view inputRole);

}  // namespace varnloft
