#include "cli/cli_session.h"

#include <algorithm>

#include "cli/json_report.h"

namespace varnloft {

namespace {

// Options that take an argument, and those that do not.
const std::vector<std::string> kWithArgument = {"--type", "--choose", "--answer", "--now",
                                                "--locale"};
const std::vector<std::string> kWithoutArgument = {"--design", "--activate"};

bool Contains(const std::vector<std::string>& list, const std::string& s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

// "Edit17=4" -> ("Edit17", "4"); the text may itself hold "=".
std::pair<std::string, std::string> SplitAssignment(const CliAction& action) {
  auto eq = action.argument.find('=');
  if (eq == std::string::npos || eq == 0)
    throw UsageError(action.option + " needs BOX=TEXT, got '" + action.argument + "'");
  return {action.argument.substr(0, eq), action.argument.substr(eq + 1)};
}

}  // namespace

CliOptions ParseCommandLine(const std::vector<std::string>& args) {
  CliOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (Contains(kWithArgument, arg)) {
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs an argument");
      const std::string& value = args[++i];
      if (arg == "--now")
        options.now = value;
      else if (arg == "--locale")
        options.locale = value;
      else
        options.actions.push_back({arg, value});
    } else if (Contains(kWithoutArgument, arg)) {
      options.actions.push_back({arg, ""});
    } else {
      throw UsageError("unknown option '" + arg + "' (see --help)");
    }
  }
  return options;
}

std::string CliHelpText() {
  return R"(Usage: varnloft-cli [OPTION]...
Starts Varnloft without a window exactly as the program starts (the window is created, then
activated, which presses Design on the built-in "Adult Standard" values), applies the actions
below in command-line order as a user would, then prints one JSON document on stdout with the
design record ("record"), the main window's controls ("controls") and every message or question
box shown ("dialogs"), and exits 0. Wrong usage prints one line on stderr and exits 2.

Actions:
  --type BOX=TEXT    select the whole text of Edit1..Edit28 or ComboBox1..ComboBox9 and type TEXT
                     one character at a time (a combo box's change handler runs for each growing
                     prefix; choosing from the list does not happen). Typing into a box that is
                     hidden or disabled does nothing.
  --choose BOX=ITEM  choose ITEM from the list of ComboBox1..ComboBox9 (exit 2 if not listed)
  --design           press the Design button
  --activate         the main window becomes active again (this presses Design)
  --answer ANSWER    yes, no or cancel: the answer to every later question box (default yes)

Settings:
  --now YYYY-MM-DDTHH:MM:SS   fixes the clock (start-up date and time stamps); default: now
  --locale NAME               day and month names and thousands separator of the locale NAME
                              (for example de_DE); default: English names and ","
  --help                      this text

The JSON document is written with two-space indentation; singles carry 9 significant digits
(null when not finite), flags are true/false, and each control is one line.
)";
}

CliSession::CliSession(const LocalDateTime& now, LocaleTexts locale)
    : clock_(now), window_(prompts_, clock_, shell_, std::move(locale)) {}

void CliSession::Start() {
  window_.FormCreate();
  window_.HandleUserEvent([&] { window_.FormActivate(); });
}

void CliSession::Validate(const CliAction& action) const {
  const FormState& form = window_.form;
  if (action.option == "--type") {
    auto [box, text] = SplitAssignment(action);
    if (!IsEditBox(box) && !IsComboBox(box)) throw UsageError("unknown box '" + box + "'");
  } else if (action.option == "--choose") {
    auto [box, item] = SplitAssignment(action);
    if (!IsComboBox(box)) throw UsageError("unknown combo box '" + box + "'");
    const auto& items = form.at(box).items;
    if (std::find(items.begin(), items.end(), item) == items.end())
      throw UsageError("'" + item + "' is not in the list of " + box);
  } else if (action.option == "--answer") {
    if (action.argument != "yes" && action.argument != "no" && action.argument != "cancel")
      throw UsageError("--answer takes yes, no or cancel, not '" + action.argument + "'");
  }
}

void CliSession::Apply(const CliAction& action) {
  MainWindow& w = window_;
  if (action.option == "--answer") {
    prompts_.answer = action.argument == "yes"  ? Answer::Yes
                      : action.argument == "no" ? Answer::No
                                                : Answer::Cancel;
  } else if (action.option == "--type") {
    auto [box, text] = SplitAssignment(action);
    w.HandleUserEvent([&] { w.TypeIntoBox(box, text); });
  } else if (action.option == "--choose") {
    auto [box, item] = SplitAssignment(action);
    w.HandleUserEvent([&] { w.ChooseItem(box, item); });
  } else if (action.option == "--design") {
    if (!w.form.at("BitBtn3").enabled || !w.form.mainWindowEnabled) return;
    w.ButtonMouseDown("BitBtn3");
    w.HandleUserEvent([&] { w.BitBtn3Click(); });
  } else if (action.option == "--activate") {
    w.HandleUserEvent([&] { w.FormActivate(); });
  }
}

std::string CliSession::Report() const {
  return ReportJson(window_, prompts_.shown);
}

}  // namespace varnloft
