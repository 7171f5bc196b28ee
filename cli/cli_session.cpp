#include "cli/cli_session.h"

#include <algorithm>

#include "app/control_names.h"
#include "app/design_commands.h"
#include "app/input_boxes.h"
#include "app/state_report.h"
#include "cli/export_actions.h"
#include "cli/file_actions.h"
#include "cli/input_actions.h"
#include "cli/materials_actions.h"
#include "cli/model3d_actions.h"
#include "cli/plan_actions.h"
#include "cli/role_actions.h"
#include "cli/safety_actions.h"
#include "cli/view_actions.h"

namespace varnloft {

namespace {

// Options that take an argument, and those that do not.
const std::vector<std::string> kWithArgument = {"--type", "--choose", "--answer", "--now",
                                                "--locale"};
const std::vector<std::string> kWithoutArgument = {"--design", "--activate"};

bool Contains(const std::vector<std::string>& list, const std::string& s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

// BOX=TEXT -> the box's control name and the text; the text may itself hold "=".
std::pair<std::string, std::string> SplitAssignment(const CliAction& action) {
  auto eq = action.argument.find('=');
  if (eq == std::string::npos || eq == 0)
    throw UsageError(action.option + " needs BOX=TEXT, got '" + action.argument + "'");
  return {action.argument.substr(0, eq), action.argument.substr(eq + 1)};
}

// The role of a box named by its control name, as --type and --choose name the window's boxes;
// empty for a name that is no input box's.
std::string BoxRole(const std::string& control) {
  const std::string role = RoleOfControl(control);
  return IsEditBox(role) || IsComboBox(role) ? role : "";
}

}  // namespace

CliOptions ParseCommandLine(const std::vector<std::string>& args) {
  CliOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.empty() && arg[0] != '-' && options.actions.empty()) {
      // An argument that is no option, before any action (--now and --locale may come first),
      // names a design file, opened as --open opens one.
      options.actions.push_back({"--open", arg});
      options.designFileArgument = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (Contains(kWithArgument, arg) || Contains(InputOptionsWithArgument(), arg) ||
               Contains(ViewOptionsWithArgument(), arg) ||
               Contains(PlanOptionsWithArgument(), arg) ||
               Contains(MaterialsOptionsWithArgument(), arg) ||
               Contains(SafetyOptionsWithArgument(), arg) ||
               Contains(FileOptionsWithArgument(), arg) ||
               Contains(Model3dOptionsWithArgument(), arg) ||
               Contains(ExportOptionsWithArgument(), arg) ||
               Contains(RoleOptionsWithArgument(), arg)) {
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs an argument");
      const std::string& value = args[++i];
      if (arg == "--now")
        options.now = value;
      else if (arg == "--locale")
        options.locale = value;
      else
        options.actions.push_back({arg, value});
    } else if (Contains(kWithoutArgument, arg) || Contains(InputOptionsWithoutArgument(), arg) ||
               Contains(ViewOptionsWithoutArgument(), arg) ||
               Contains(FileOptionsWithoutArgument(), arg) ||
               Contains(RoleOptionsWithoutArgument(), arg)) {
      options.actions.push_back({arg, ""});
    } else {
      throw UsageError("unknown option '" + arg + "' (see --help)");
    }
  }
  return options;
}

std::string CliHelpText() {
  std::string text = R"(Usage: varnloft-cli [DESIGN-FILE] [OPTION]...
For example, the build packet of an 8 ft 6 1/2 in table, its top 2 X 8 boards:
  varnloft-cli --set overallLength="8' 6 1/2\"" --set tableTopSize="2 X 8" \
               --export-packet table.pdf > report.json
and of a design file, with its materials:
  varnloft-cli table.varnloft --export-packet table.pdf --materials table.csv

Starts Varnloft without a window exactly as the program starts (the window is created, then
activated, which presses Design on the built-in "Adult Standard" values), applies the actions
below in command-line order as a user would, then prints one JSON document on stdout with the
design record ("record"), the main window's controls ("controls") and every message or question
box shown ("dialogs"), and exits 0. Wrong usage prints one line on stderr and exits 2.

Actions:
  The window's boxes by their names (--set above names them by role):
  --type BOX=TEXT    select the whole text of Edit1..Edit28 or ComboBox1..ComboBox9 and type TEXT
                     one character at a time (a combo box's change handler runs for each growing
                     prefix; choosing from the list does not happen). Typing into a box that is
                     hidden or disabled does nothing, except that a lumber size box ComboBox1..7
                     hidden behind its green label (Label25..31, as after every design) is first
                     brought back by clicking that label, as a user would.
  --choose BOX=ITEM  choose ITEM from the list of ComboBox1..ComboBox9 (exit 2 if not listed);
                     a hidden lumber size box is brought back by its green label first
  --design           press the Design button
  --activate         the main window becomes active again (this presses Design)
  --answer ANSWER    yes, no or cancel: the answer to every later question box (default yes)
  --metric           press the Metric button (nothing when it is disabled: already metric)
  --imperial         press the Imperial button (nothing when it is disabled)
  --preset CAPTION   click the Pre-Settings item with exactly this caption, blanks included:
                     "Adult Standard", "Adult wheelchair one end", "Adult wheelchair both ends",
                     "Adult econo", "Tall Boy", "Childrens  Standard" (two blanks), "Childrens
                     wheelchair one end", "Childrens wheelchair both ends", "Childrens econo",
                     "Baby Table" or "Custom Design" (exit 2 for any other caption)
  --thickness IN:SIXTEENTHS
                     Options > Lumber Thickness: the dialog opens, IN is typed into its inches
                     box and SIXTEENTHS into its sixteenths box (select all, then one key at a
                     time; an empty part deletes the box's text), then OK is pressed
  --thickness-cancel open the lumber thickness dialog and press Cancel (back to 1 1/2 inches)
  --scale TEXT       Options > User Defined Percentage Setting: the dialog opens, TEXT is typed
                     into its Select box (select all, one key at a time), then OK is pressed
  --model-toggle     click Options > the 21.4 % model-scale item; its question is answered by
                     the current --answer (No or Cancel change nothing)
  A dialog closes as the user's would: the main window is enabled again and activated, which
  presses Design (and asks its question, if any). When a dialog refuses its OK (a text that is
  not a number, a percentage of 0 or less), its error box is shown and the driver then closes
  the dialog as the window manager would, which leaves the setting unchanged.

  --exterior         click "Support Members on the Exterior side" (nothing if already checked)
  --interior         click "Support Members on the Interior side" (nothing if already checked)
  --save-view FILE   write the main window's picture as it stands (.png or .bmp by extension)
  --save-angles FILE write the angle report picture, 518 x 237 (.png or .bmp)
  --ops WHAT=FILE    at the end, write every canvas call of the last drawing of WHAT, one JSON
                     object a line, coordinates in whole pixels: view (the main window's
                     picture), angles (the angle report), plan (the plan sheet, 681 x 1014) or
                     print (the printed plans; each page starts with
                     {"op":"page","number":N,"width":W,"height":H}, its size in device pixels)
  --window WxH       the main window's outer size, from start-up on (default 1024x740); the
                     picture area is (W - 8) x (H - 300). A later --window resizes the window
                     without redrawing, as resizing the real window does.

  --save-plan FILE   press Plans (a beep; the plan sheet of the last design is drawn and the
                     plans window shown), press Save with FILE as the chosen name (.bmp writes a
                     Windows bitmap, .png a PNG; 681 x 1014 pixels), then Close, which activates
                     the main window again (this presses Design). While the last calculation
                     has failed, Plans refuses with an error box and nothing is written.
  --print-pdf FILE   press Print: Design is pressed first, then the plans are printed into the
                     PDF file FILE (.pdf) at 600 dots per inch, on one page or on two when the
                     notes do not fit; the page is the printable area inside the default
                     margins of 10 points
  --page a4|letter   the paper of every print of the run (default letter; the last --page counts)
  --export-packet FILE
                     File > Export > Build packet (PDF): Design is pressed first (as Print
                     does), then the build packet is written into the PDF file FILE (.pdf) on
                     the --page paper: the printed plans' pages as Print draws them, the
                     materials (shopping list with prices and totals, hardware, cut list), the
                     cutting diagrams and the full-size templates of the angled cuts, each
                     template page with a calibration square (4 in, or 100 mm in metric). Its
                     title is the plan's name, its creator "Varnloft" and the version. After a
                     failed calculation it is refused with an error box and nothing is written.
  --export-svg WHAT=FILE
                     write one picture as an SVG file FILE (.svg), drawn as the program draws
                     it: view (the main window's picture as it stands), plan (the plan sheet,
                     681 x 1014, drawn as Plans draws it, without the beep and the window) or
                     materials (the cutting diagrams of the materials, 1000 pixels wide); like
                     the packet, it is written to a temporary file first
  At the end of a run with --ops plan=FILE but no --save-plan, the sheet is drawn as Plans draws
  it (without the beep and the window); with --ops print=FILE but no --print-pdf, Print is
  pressed and prints into a throwaway PDF. Both happen after the last action and before the
  JSON is written, so the record shows the PlanName they set.
  A file that cannot be written is reported on stderr after the JSON, with exit status 1;
  a saved picture, plan or PDF is written to a temporary file first, so a failed write
  leaves the target as it was.

Design files and undo (File and Edit menus):
  --open FILE        File > Open...: the unsaved-changes question first (when the design has
                     changes), then FILE is chosen in the file dialog and read; its boxes,
                     measure, options, menu checks and status texts replace the window's, and
                     the activation that follows the dialog designs it once. A file that is
                     refused (not JSON, another format, a newer version, a field of the wrong
                     type, a text over 1,000 characters, over 1 MB, unreadable) is an error box
                     in "dialogs" and changes nothing; the run still exits 0. Keys missing from
                     the file take the Adult Standard values and are named in an info box.
  --save-design FILE File > Save As... with FILE chosen: the design is written to a temporary
                     file beside FILE, which then replaces FILE. A save that fails shows its
                     error box and is also reported on stderr after the JSON, with exit 1; the
                     design stays unsaved. Saving does not design.
  --new              File > New: the unsaved-changes question first, then the built-in design,
                     designed at once; the history is cleared (as by --open)
  --undo, --redo     Edit > Undo / Redo: the window as it was before (after) the last step,
                     record and controls alike, redrawn without designing and without a
                     question; nothing when there is no step
  The unsaved-changes question "Save changes to NAME before closing?" (NAME: the file's name,
  or Untitled) is answered by the current --answer: yes = Save, no = Discard, cancel = Cancel.
  Save of an untitled design saves nothing (there is no file dialog to answer) and so counts as
  Cancel; Save of a design with a file writes it, and a failed write counts as Cancel.
  Each --type, --choose, --preset, --metric, --imperial, --exterior, --interior, --thickness,
  --thickness-cancel, --scale and --model-toggle is one undo step, named as the Edit menu names
  it ("Typing: Seat to Table Distance", "Choice: Seat Size", "Preset: Tall Boy", "Metric
  Measure", "Support Side: Interior", "Lumber Thickness", "Model Scale Percentage", "21.4%
  Model Scale", "Restore 100% Size"); an action that changes nothing a design file keeps (a
  declined question, the checked radio button) is no step. --design, --activate, --save-plan,
  --print-pdf and --window change no design and are no steps. A dialog's step takes in the
  design that its closing brings about.
  Only a run that uses one of these five options gets, after "dialogs", the members
    "file": {"name": "table.varnloft" or null while untitled, "modified": true|false}
    "history": {"undo": "Undo Preset: Tall Boy" or null, "redo": "Redo ..." or null}
  with the texts the File menu's title and the Edit menu's items would show. The driver reads
  and writes no saved settings (recent files, window state).

  --export-3d FILE   at the end, write the assembled table of the final design as a 3D model:
                     .obj (Wavefront OBJ, millimetres, z up, one named object a piece, and its
                     materials in FILE's name with .mtl), .stl (binary STL, millimetres, z up,
                     one solid) or .glb (binary glTF 2.0, metres, y up, one named node a piece);
                     any other name exits 2
  --save-3d FILE     at the end, write the table as the 3D view draws it into FILE (.png),
                     seen from --camera, the pieces of a failed fit check in red
  --size-3d WxH      the size of every --save-3d picture (default 1024x768; each side 16 to
                     8192, at most 4096 x 4096 pixels in all; the last --size-3d counts)
  --camera AZIMUTH,ELEVATION
                     degrees, for every --save-3d picture (default -35,25; the last counts):
                     azimuth 0 looks at the front of the table, 90 at its right end; the
                     elevation is the angle above the horizon, -90 to 90 (kept within 89)
  --fit FILE         at the end, write the fit check of the final design's model as one line of
                     JSON: {"ok": true|false, "overlaps": [{"a": "Leg 1", "b": "Leg 2",
                     "volume": V}], "bounding_box": [X, Y, Z], "findings": ["..."]}, in feet
                     and cubic feet; "ok" is false when two pieces pass through each other, a
                     piece is left out of the model, or the last calculation failed
  The 3D files are built from the record as it stands after the last action (and after the
  drawings of the --ops files), whatever their place on the command line, and written after
  the JSON document, each to a temporary file first. After a failed calculation --export-3d
  and --save-3d write nothing and exit 1; --fit writes its JSON with "ok": false.

Settings:
  --now YYYY-MM-DDTHH:MM:SS   fixes the clock (start-up date and time stamps); default: now
  --locale NAME               day and month names and thousands separator of the locale NAME
                              (for example de_DE); default: English names and ","
  --help                      this text

The JSON document is written with two-space indentation; singles carry 9 significant digits
(null when not finite), flags are true/false, and each control is one line. The controls
include the option dialogs' texts: "OKRightDlg.Edit1" (inches), "OKRightDlg.Edit2" (sixteenths),
"OKRightDlg.Label5" (millimetres) and "OKBottomDlg.Select" (the percentage).
)";
  text.insert(text.find("\nSettings:\n") + 1, MaterialsHelpText() + "\n");
  text.insert(text.find("\nSettings:\n") + 1, SafetyHelpText() + "\n");
  text.insert(text.find("\nActions:\n") + 1, RoleHelpText() + "\n");
  return text;
}

CliSession::CliSession(const LocalDateTime& now, LocaleTexts locale)
    : clock_(now),
      window_(prompts_, clock_, shell_, std::move(locale)),
      pictures_(std::make_unique<CliPictures>(window_)),
      plans_(std::make_unique<CliPlans>(window_, writeError_)),
      materials_(std::make_unique<CliMaterials>(window_, prompts_)),
      safety_(std::make_unique<CliSafety>(window_)),
      files_(std::make_unique<CliFiles>(window_, writeError_)),
      model3d_(std::make_unique<CliModel3d>(window_)),
      exports_(
          std::make_unique<CliExports>(window_, *pictures_, writeError_, materials_->setup())) {
  window_.SetCalls(*this);
}

CliSession::~CliSession() = default;

void CliSession::DrawAngleReport() {
  pictures_->DrawAngles();
}

void CliSession::DrawDesignView() {
  pictures_->DrawView();
}

void CliSession::ShowPlans() {
  plans_->ShowPlans();
}

void CliSession::PrintPlans() {
  plans_->PrintPlansToPdf();
}

std::string CliSession::AskOpenDesignFile() {
  return files_->OpenChoice();
}

std::string CliSession::AskSaveDesignFile(const std::string& /*proposedName*/) {
  return files_->SaveChoice();
}

void CliSession::SaveFailed(const std::string& error) {
  files_->SaveFailed(error);
}

bool CliSession::Finish(std::string& error) {
  // One failed output stops none of the others: each is written, and every failure is named.
  error = writeError_;
  pictures_->WriteOpsFiles(error);
  plans_->WriteOpsFiles(error);
  materials_->WriteFiles(error);
  safety_->WriteFiles(error);
  model3d_->WriteFiles(error);
  return error.empty();
}

void CliSession::Start(const std::vector<CliAction>& actions) {
  // The window opens at the size --window gives it.
  for (const auto& action : actions) {
    int width = 0, height = 0;
    if (action.option == "--window" && ParseWindowSize(action.argument, width, height)) {
      pictures_->SetWindowSize(width, height);
      break;
    }
  }
  plans_->UsePaperOf(actions);
  reportDocument_ = UsesFileOptions(actions);
  reportInputs_ = reportInputs_ || UsesRoleOptions(actions);
  reportRoles_ = ReportsRoles(actions);
  exports_->UsePaperOf(actions);
  window_.StartUp();
  window_.HandleUserEvent([&] { window_.design().Activate(); });
}

void CliSession::Conclude() {
  plans_->Conclude();
}

void CliSession::Validate(const CliAction& action) const {
  const FormState& form = window_.form;
  if (action.option == "--type") {
    auto [box, text] = SplitAssignment(action);
    if (BoxRole(box).empty()) throw UsageError("unknown box '" + box + "'");
  } else if (action.option == "--choose") {
    auto [box, item] = SplitAssignment(action);
    const std::string role = BoxRole(box);
    if (!IsComboBox(role)) throw UsageError("unknown combo box '" + box + "'");
    const auto& items = form.at(role).items;
    if (std::find(items.begin(), items.end(), item) == items.end())
      throw UsageError("'" + item + "' is not in the list of " + box);
  } else if (action.option == "--preset" || action.option == "--thickness") {
    ValidateInputAction(window_, action);
  } else if (IsMaterialsAction(action)) {
    ValidateMaterialsAction(action);
  } else if (IsSafetyAction(action)) {
    ValidateSafetyAction(action);
  } else if (std::find(ViewOptionsWithArgument().begin(), ViewOptionsWithArgument().end(),
                       action.option) != ViewOptionsWithArgument().end()) {
    ValidateViewAction(action);
  } else if (std::find(PlanOptionsWithArgument().begin(), PlanOptionsWithArgument().end(),
                       action.option) != PlanOptionsWithArgument().end()) {
    ValidatePlanAction(action);
  } else if (Contains(Model3dOptionsWithArgument(), action.option)) {
    ValidateModel3dAction(action);
  } else if (std::find(ExportOptionsWithArgument().begin(), ExportOptionsWithArgument().end(),
                       action.option) != ExportOptionsWithArgument().end()) {
    ValidateExportAction(action);
  } else if (Contains(RoleOptionsWithArgument(), action.option)) {
    ValidateRoleAction(action);
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
    const auto assignment = SplitAssignment(action);
    const std::string box = BoxRole(assignment.first);
    MainWindow::StepScope step(w, w.BoxStepName("Typing", box));
    RevealSizeBox(w, box);
    w.HandleUserEvent([&] { w.design().TypeIntoBox(box, assignment.second); });
  } else if (action.option == "--choose") {
    const auto assignment = SplitAssignment(action);
    const std::string box = BoxRole(assignment.first);
    MainWindow::StepScope step(w, w.BoxStepName("Choice", box));
    RevealSizeBox(w, box);
    w.HandleUserEvent([&] { w.design().ChooseItem(box, assignment.second); });
  } else if (action.option == "--design") {
    if (!w.form.at("designButton").enabled || !w.form.mainWindowEnabled) return;
    w.design().ButtonMouseDown("designButton");
    w.HandleUserEvent([&] { w.design().PressDesign(); });
  } else if (action.option == "--activate") {
    w.HandleUserEvent([&] { w.design().Activate(); });
  } else if (!ApplyRoleAction(w, action) && !materials_->Apply(action) && !safety_->Apply(action) &&
             !plans_->Apply(action) && !files_->Apply(action) && !model3d_->Apply(action) &&
             !exports_->Apply(action) && !ApplyViewAction(w, *pictures_, action, writeError_)) {
    ApplyInputAction(w, action);
  }
}

std::string CliSession::Report() const {
  std::string report = ReportJson(window_, prompts_.shown, reportDocument_);
  // The role members go last, before the closing brace.
  std::string members;
  if (reportRoles_) members += ",\n  \"roles\": " + RolesJson();
  if (reportInputs_) members += ",\n  \"inputs\": " + InputsJson(window_);
  report.insert(report.size() - 3, members);
  return report;
}

}  // namespace varnloft
