#include "cli/materials_actions.h"

#include <algorithm>
#include <cmath>

#include "materials/cutting_diagram.h"
#include "materials/materials_csv.h"
#include "materials/materials_json.h"
#include "materials/stock_file.h"
#include "platform/atomic_write.h"
#include "platform/file_name.h"
#include "platform/recording_canvas.h"

namespace varnloft {

namespace {

bool IsOpsOfMaterials(const CliAction& action) {
  return action.option == "--ops" && action.argument.rfind("materials=", 0) == 0;
}

}  // namespace

CliMaterials::CliMaterials(MainWindow& window, Prompts& prompts)
    : window_(window), prompts_(prompts) {}

bool CliMaterials::Apply(const CliAction& action) {
  if (!IsMaterialsAction(action)) return false;
  const bool imperial = window_.rec.ImperialUnits;
  std::string problem;
  if (action.option == "--materials") {
    files_.push_back(action.argument);
  } else if (IsOpsOfMaterials(action)) {
    opsFile_ = action.argument.substr(action.argument.find('=') + 1);
  } else if (action.option == "--kerf") {
    problem = setup_.SetKerf(action.argument, imperial);
  } else if (action.option == "--trim") {
    problem = setup_.SetTrim(action.argument, imperial);
  } else if (action.option == "--stock") {
    problem = setup_.ReadStockFileAt(action.argument, imperial);
  }
  if (!problem.empty()) prompts_.ShowError(problem + " Nothing was changed.");
  return true;
}

bool CliMaterials::WriteFiles(std::string& error) const {
  if (files_.empty() && opsFile_.empty()) return true;
  const DesignRecord& rec = window_.rec;
  const Materials materials = BuildMaterials(rec, setup_.Of(rec.ImperialUnits));
  for (const std::string& file : files_) {
    const std::string text =
        FileExtension(file) == ".csv" ? MaterialsCsv(materials) : MaterialsJson(materials);
    if (std::string why = WriteFileAtomically(file, text); !why.empty())
      AddWriteError(error, CannotWrite(file, why));
  }
  if (!opsFile_.empty()) {
    const double height = CuttingDiagramHeight(materials, kMaterialsOpsWidth);
    RecordingCanvas canvas(kMaterialsOpsWidth, static_cast<int>(std::ceil(height)));
    DrawCuttingDiagram(materials, canvas);
    if (std::string why = WriteFileAtomically(opsFile_, canvas.ToJsonLines()); !why.empty())
      AddWriteError(error, CannotWrite(opsFile_, why));
  }
  return error.empty();
}

const std::vector<std::string>& MaterialsOptionsWithArgument() {
  static const std::vector<std::string> options = {"--materials", "--kerf", "--trim", "--stock"};
  return options;
}

bool IsMaterialsAction(const CliAction& action) {
  const auto& options = MaterialsOptionsWithArgument();
  return std::find(options.begin(), options.end(), action.option) != options.end() ||
         IsOpsOfMaterials(action);
}

void ValidateMaterialsAction(const CliAction& action) {
  if (action.option == "--materials" && FileExtension(action.argument) != ".json" &&
      FileExtension(action.argument) != ".csv")
    throw UsageError("--materials writes .json or .csv files, not '" + action.argument + "'");
  if (IsOpsOfMaterials(action) && action.argument == "materials=")
    throw UsageError("--ops needs WHAT=FILE, got '" + action.argument + "'");
}

std::string MaterialsHelpText() {
  return R"(Materials (written to files of their own; the JSON document shows only refusals):
  --materials FILE   at the end, write the materials of the last design as the Materials window
                     lists them then: .json (lengths in feet, money in the currency's units,
                     numbers with 17 significant digits) or .csv (one table for a spreadsheet),
                     by the file's extension; any other extension exits 2. After a failed
                     calculation the file holds {"materials": {"problem": "..."}}.
  --kerf TEXT        the saw's kerf, typed as the boxes are typed: inches in imperial measure,
                     millimetres in metric (default 1/8 in, 3 mm)
  --trim TEXT        the end trim cut off each end of every board, in the same unit (default 0)
  --stock FILE       a JSON stock and price table read over the default one, lengths in feet:
                       {"currency": "$",
                        "stock": [{"lumber": "2 X 4", "length": 8, "price": 4.25}, ...],
                        "hardware": [{"item": "Deck screw 3 in", "pack": 100, "price": 9.97}]}
                     A price may be null or left out (no price); a part left out keeps the
                     default; "stock" replaces every default stock row, "hardware" every pack.
  --ops materials=FILE
                     at the end, every canvas call of the cutting diagram, 800 pixels wide and
                     as tall as it needs, one JSON object a line
  Each measure keeps its own settings, as the window does: --kerf, --trim and --stock change
  those of the measure in force where they stand, and the files use those of the last design's
  measure. A value or stock file that is refused (a kerf or trim negative, not a number or
  absurd: a kerf of 1 in / 25 mm or more, a trim over a quarter of the shortest stock length; a
  stock file that cannot be read (a pipe, a device, a folder, over 1 MB), is not JSON, or has a
  field of the wrong type, a stock length outside 1 ft to 40 ft (0.3 m to 12 m), more than 100
  lengths of one lumber, a price negative or over 1000000, or a currency the Settings page
  refuses) is shown in an error box, as the window shows it, listed under "dialogs"; nothing is
  changed and the run goes on. The driver starts from the default settings and example prices
  every time: it never reads or writes the settings the program keeps.
)";
}

}  // namespace varnloft
