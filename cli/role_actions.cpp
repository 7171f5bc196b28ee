#include "cli/role_actions.h"

#include <algorithm>

#include "app/control_names.h"
#include "app/design_commands.h"
#include "app/design_state.h"
#include "app/input_boxes.h"
#include "cli/input_actions.h"
#include "design/typed_inputs.h"
#include "platform/json_text.h"

namespace varnloft {

namespace {

const char* UnitName(InputUnit unit) {
  switch (unit) {
    case InputUnit::Length:
      return "length";
    case InputUnit::ShortLength:
      return "short length";
    case InputUnit::LumberWidth:
      return "lumber";
    case InputUnit::Count:
      break;
  }
  return "count";
}

std::string TextList(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (size_t i = 0; i < texts.size(); ++i) out += (i ? ", " : "") + JsonQuote(texts[i]);
  return out + "]";
}

// "ROLE=TEXT" -> role and text; the text may itself hold "=".
std::pair<std::string, std::string> RoleAndText(const CliAction& action) {
  const auto eq = action.argument.find('=');
  if (eq == std::string::npos || eq == 0)
    throw UsageError("--set needs ROLE=TEXT, got '" + action.argument + "'");
  return {action.argument.substr(0, eq), action.argument.substr(eq + 1)};
}

bool Uses(const std::vector<CliAction>& actions, const std::string& option) {
  return std::any_of(actions.begin(), actions.end(),
                     [&](const CliAction& a) { return a.option == option; });
}

}  // namespace

const std::vector<std::string>& RoleOptionsWithArgument() {
  static const std::vector<std::string> options = {"--set"};
  return options;
}

const std::vector<std::string>& RoleOptionsWithoutArgument() {
  static const std::vector<std::string> options = {"--roles"};
  return options;
}

bool UsesRoleOptions(const std::vector<CliAction>& actions) {
  return Uses(actions, "--set") || Uses(actions, "--roles");
}

bool ReportsRoles(const std::vector<CliAction>& actions) {
  return Uses(actions, "--roles");
}

void ValidateRoleAction(const CliAction& action) {
  if (action.option != "--set") return;
  const std::string role = RoleAndText(action).first;
  if (!BoxesOfRole(role)) throw UsageError("unknown role '" + role + "' (--roles lists them)");
}

bool ApplyRoleAction(MainWindow& w, const CliAction& action) {
  if (action.option != "--set") return false;
  const auto [role, text] = RoleAndText(action);
  const InputBoxes& entry = *BoxesOfRole(role);
  const std::vector<std::string> texts =
      BoxTextsForTyped(*entry.input, text, w.rec.ImperialUnits, w.rec.ThousandsSeparator);
  {
    MainWindow::StepScope step(w, w.BoxStepName("Typing", entry.boxes.front()));
    // The boxes the design reads in this measure; a lumber row's size box first, whose change
    // fills the width box in, as choosing a size does.
    std::vector<size_t> inputSlots = ReadSlots(entry.input->unit, w.rec.ImperialUnits);
    if (entry.IsLumberRow()) inputSlots.insert(inputSlots.begin(), 0);
    for (size_t slot : inputSlots) {
      const std::string box = entry.boxes[slot];
      RevealSizeBox(w, box);
      w.HandleUserEvent([&] { w.design().TypeIntoBox(box, texts[slot]); });
    }
  }
  // Enter in the box presses Design.
  if (!w.form.mainWindowEnabled || !w.form.at("designButton").enabled) return true;
  w.design().ButtonMouseDown("designButton");
  w.HandleUserEvent([&] { w.design().PressDesign(); });
  return true;
}

std::string InputsJson(const MainWindow& w) {
  const DesignDocument document = CaptureDesignState(w.form, w.rec);
  const auto& inputs = DesignInputs();
  std::string out = "{\n";
  for (size_t i = 0; i < inputs.size(); ++i) {
    out += "    " + JsonQuote(inputs[i].role) + ": " + TextList(document.inputTexts[i]);
    out += i + 1 < inputs.size() ? ",\n" : "\n";
  }
  return out + "  }";
}

std::string RolesJson() {
  const auto& table = InputBoxTable();
  std::string out = "{\n";
  for (size_t i = 0; i < table.size(); ++i) {
    const InputBoxes& entry = table[i];
    // The boxes by the names --type and --choose know them by.
    std::vector<std::string> boxes;
    for (const std::string& box : entry.boxes) boxes.push_back(ControlNameOf(box));
    out += "    " + JsonQuote(entry.input->role) +
           ": {\"unit\": " + JsonQuote(UnitName(entry.input->unit)) +
           ", \"caption\": " + JsonQuote(entry.caption) + ", \"boxes\": " + TextList(boxes) +
           ", \"imperial\": " + TextList(DefaultTexts(*entry.input, true)) +
           ", \"metric\": " + TextList(DefaultTexts(*entry.input, false)) + "}";
    out += i + 1 < table.size() ? ",\n" : "\n";
  }
  return out + "  }";
}

std::string RoleHelpText() {
  return R"(Design inputs by role:
  --set ROLE=TEXT    type TEXT into the boxes of one design input, named by its role
                     (overallLength, tableHeight, seatHeight, leftDeckOverhang, rightDeckOverhang,
                     leftSeatOverhang, rightSeatOverhang, seatToTableDistance, deckGap,
                     tableTopSize, seatSize, outerSupportSize, centreSupportSize,
                     seatSupportSize, legSize, endCapSize, deckBoardCount, seatBoardCount;
                     exit 2 for another name), then press Enter in the box, which presses Design
                     (its question, if any, takes the current --answer). One undo step, named as
                     typing into the role's first box is. A length is written as a builder writes
                     it in the current measure, full size whatever the model scale: imperial
                     6'  6' 2"  6' 2 1/2"  74 1/2"  4' - 11   7/16"   1/4"  (a bare number is
                     feet for overallLength, tableHeight and seatHeight, inches for the others);
                     metric 1.85 m  1850 mm  1,829 mm (a bare number is millimetres). Every
                     length the program prints reads back to the same boxes. A lumber role takes
                     a size of its list (2 X 8) or an actual width (7 1/4", 7.25, 184 mm); a
                     count a number. The boxes the measure hides keep their texts. A text that
                     is none of these is typed as it is into the role's first box read, so that
                     Design shows its error box, exit 0, as with --type.
  --roles            report every role in a "roles" member: its unit, its row's caption, its
                     boxes, and its default texts in both measures
  FILE               an argument that is no option, before any action (--now and --locale may
                     come first), names a design file, opened as --open FILE would open it
                     (varnloft-cli table.varnloft --export-packet table.pdf)
  A run with --set, --roles or a design-file argument reports "inputs" last: each role's box
  texts, as the design file keeps them.
)";
}

}  // namespace varnloft
