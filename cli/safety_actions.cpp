// The driver's safety options: the settings they give, and the report written from the last
// design (the boxes as they stand give the document the suggestions vary).
#include "cli/safety_actions.h"

#include <algorithm>

#include "app/design_state.h"
#include "document/safety_suggestions.h"
#include "model3d/build_table_model.h"
#include "platform/atomic_write.h"
#include "platform/file_name.h"
#include "platform/qt/svg_file.h"
#include "safety/safety_json.h"
#include "safety/safety_picture.h"
#include "safety/setting_texts.h"

namespace varnloft {

namespace {

bool IsSvgOfSafety(const CliAction& action) {
  return action.option == "--export-svg" && action.argument.rfind("safety=", 0) == 0;
}

std::string SpeciesList() {
  std::string out;
  for (WoodSpecies s : AllSpecies())
    out += (out.empty() ? "" : ", ") + std::string("\"") + PropertiesOf(s).name + "\"";
  return out;
}

}  // namespace

CliSafety::CliSafety(MainWindow& window) : window_(window) {}

bool CliSafety::Apply(const CliAction& action) {
  if (!IsSafetyAction(action)) return false;
  if (IsSvgOfSafety(action)) {
    svgFiles_.push_back(action.argument.substr(action.argument.find('=') + 1));
  } else if (action.option == "--check") {
    files_.push_back(action.argument);
  } else if (action.option == "--species") {
    settings_.species = SpeciesNamed(action.argument);
  } else if (action.option == "--person") {
    settings_.personMassKg = ReadPersonMassKg(action.argument);
  } else if (action.option == "--deflection-limit") {
    settings_.deflectionRatio = ReadDeflectionRatio(action.argument).value_or(180);
  }
  return true;
}

bool CliSafety::WriteFiles(std::string& error) const {
  if (files_.empty() && svgFiles_.empty()) return true;
  const DesignRecord& rec = window_.rec;
  // --species counts over the design's own wood, which counts over the measure's default.
  SafetySettings settings = settings_;
  if (!settings.species) settings.species = window_.form.woodSpecies;
  const TableModel model = BuildTableModel(rec);
  const SafetyCheck check = CheckSafety(rec, model, settings);
  for (const std::string& file : svgFiles_) {
    SvgPicture svg;
    svg.width = kSafetyPictureWidth;
    svg.height = kSafetyPictureHeight;
    svg.title = "Safety check";
    AddWriteError(error, WriteSvgFile(file, svg, [&](Canvas& canvas) {
                    DrawSafetyPicture(model, check, canvas);
                  }));
  }
  if (files_.empty()) return error.empty();
  const std::vector<SafetySuggestion> suggestions =
      SuggestSafetyChanges(CaptureDesignState(window_.form, rec), rec, check, settings);
  const std::string text = SafetyJson(check, suggestions) + "\n";
  // One failed file stops none of the others; each failure is named with its reason.
  for (const std::string& file : files_)
    if (std::string why = WriteFileAtomically(file, text); !why.empty())
      AddWriteError(error, CannotWrite(file, why));
  return error.empty();
}

const std::vector<std::string>& SafetyOptionsWithArgument() {
  static const std::vector<std::string> options = {"--check", "--species", "--person",
                                                   "--deflection-limit"};
  return options;
}

bool IsSafetyAction(const CliAction& action) {
  const auto& options = SafetyOptionsWithArgument();
  return std::find(options.begin(), options.end(), action.option) != options.end() ||
         IsSvgOfSafety(action);
}

void ValidateSafetyAction(const CliAction& action) {
  if (IsSvgOfSafety(action) && FileExtension(action.argument) != ".svg")
    throw UsageError("--export-svg writes .svg files, not '" +
                     action.argument.substr(action.argument.find('=') + 1) + "'");
  if (action.option == "--check" && FileExtension(action.argument) != ".json")
    throw UsageError("--check writes .json files, not '" + action.argument + "'");
  if (action.option == "--species" && !SpeciesNamed(action.argument))
    throw UsageError("unknown species '" + action.argument + "' (known: " + SpeciesList() + ")");
  if (action.option == "--person" && !ReadPersonMassKg(action.argument))
    throw UsageError(
        "--person takes a mass above 0 and up to 1000 kg, such as 110 or 243lb, not '" +
        action.argument + "'");
  if (action.option == "--deflection-limit" && !ReadDeflectionRatio(action.argument))
    throw UsageError("--deflection-limit takes N of L/N, from 1 to 100000, not '" +
                     action.argument + "'");
}

std::string SafetyHelpText() {
  return R"(Safety check (written to a file of its own; the JSON document stays as it is):
  --check FILE       at the end, write the safety check of the last design to FILE (.json):
                     the table's weight and centre of mass, its footprint, whether one person
                     tips it, the sag and strength of the table top, seats and seat supports,
                     the wheelchair ends, the children's size mark, and for each failed check
                     the nearest changes that pass it ("suggestions": the inputs they change, by
                     role, with their box texts, or the heaviest person the design holds). SI
                     units, numbers with 17 significant digits; after a failed calculation
                     "ok" is false with the "reason". An estimate from published reference
                     values, not an engineer's approval.
  --species NAME     the wood: "Southern Pine No. 2" (the imperial default), "Douglas Fir-Larch
                     No. 2", "Hem-Fir No. 2", "Spruce-Pine-Fir No. 1/No. 2", "C16" or "C24"
                     (the metric default); case aside. Another name exits 2. Without it, the
                     wood the design file names ("species"), else the measure's default.
  --person MASS      the person's mass: kilograms, or pounds with lb (243lb); default 110 kg,
                     55 kg at a table top under 28 in. Above 0 and up to 1000 kg, else exits 2.
  --deflection-limit N
                     the sag allowed, the span over N (L/N; default 180), N from 1 to 100000,
                     else exits 2
  --export-svg safety=FILE
                     at the end, the check as a picture (.svg, 900 x 420): the side and end
                     views with the footprint (green), the centre of mass (blue) and the load
                     points, those that tip the table marked with a red cross
  The last of each setting counts, wherever it stands.
)";
}

}  // namespace varnloft
