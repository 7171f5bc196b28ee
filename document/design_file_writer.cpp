// Writing the design file: the state by role names, then the kept keys, then the record.
#include "design/design_inputs.h"
#include "design/record_fields.h"
#include "design/table_members.h"
#include "document/design_file.h"
#include "document/json_layout.h"
#include "document/utf8_text.h"

namespace varnloft {

namespace {

JsonValue Text(const std::string& s) {
  return JsonValue::String(s);
}

// An object's own members followed by the kept ones of the same object.
JsonValue ObjectWithKept(std::vector<JsonMember> members, const KeptKeys& kept,
                         const std::string& object) {
  if (auto it = kept.find(object); it != kept.end())
    members.insert(members.end(), it->second.begin(), it->second.end());
  return JsonValue::Object(std::move(members));
}

JsonValue RecordValue(const DesignRecord& rec) {
  std::vector<JsonMember> members;
  for (const auto& f : LengthAndAngleFields())
    members.push_back({f.name, SingleNumber(rec.*(f.member))});
  for (const auto& f : FlagFields())
    members.push_back({f.name, JsonValue::Boolean(rec.*(f.member))});
  members.push_back({"ScaleFactor", SingleNumber(rec.ScaleFactor)});
  members.push_back({"LumberThickness", SingleNumber(rec.LumberThickness)});
  // The plans' lengths of this design, whether or not its plans were drawn; the plan's name is
  // given when the plans are drawn, and is no part of the design.
  const bool designed = !rec.LastCalculationFailed;
  members.push_back({"TableTopLength", SingleNumber(designed ? TableTopLengthOf(rec) : 0.0f)});
  members.push_back({"FrameDiagonal", SingleNumber(designed ? FrameDiagonalOf(rec) : 0.0f)});
  members.push_back({"LastCalculationFailed", JsonValue::Boolean(rec.LastCalculationFailed)});
  return JsonValue::Object(std::move(members));
}

// Every text the file holds, with what the user calls it, so that a refusal can say which.
// An input's slot is named by its key in the file, as the reader's refusals name it.
std::vector<std::pair<std::string, const std::string*>> NamedTexts(const DesignDocument& s) {
  std::vector<std::pair<std::string, const std::string*>> texts;
  const auto& inputs = DesignInputs();
  for (size_t i = 0; i < inputs.size() && i < s.inputTexts.size(); ++i)
    for (size_t slot = 0; slot < s.inputTexts[i].size() && slot < SlotCount(inputs[i].unit); ++slot)
      texts.emplace_back(
          "\"inputs." + std::string(inputs[i].role) + "[" + std::to_string(slot) + "]\"",
          &s.inputTexts[i][slot]);
  texts.emplace_back("the lumber thickness dialog's inches box", &s.thicknessInches);
  texts.emplace_back("the lumber thickness dialog's sixteenths box", &s.thicknessSixteenths);
  texts.emplace_back("the model-scale menu item", &s.modelMenuCaption);
  texts.emplace_back("the checked preset", &s.presetCaption);
  texts.emplace_back("the status bar", &s.statusText);
  texts.emplace_back("the status bar", &s.versionText);
  return texts;
}

}  // namespace

DesignFileText WriteDesignFile(const DesignDocument& s, const DesignRecord& record,
                               const KeptKeys& kept) {
  DesignFileText result;
  for (const auto& [name, text] : NamedTexts(s)) {
    if (!IsUtf8(*text)) {
      result.error = "the text of " + name + " is not UTF-8 text";
      return result;
    }
    if (CharacterCount(*text) > kDesignTextMaxCharacters) {
      result.error = "the text of " + name + " is longer than 1,000 characters";
      return result;
    }
  }

  std::vector<JsonMember> inputs;
  const auto& table = DesignInputs();
  for (size_t i = 0; i < table.size() && i < s.inputTexts.size(); ++i) {
    std::vector<JsonValue> slots;
    for (const auto& text : s.inputTexts[i]) slots.push_back(Text(text));
    inputs.push_back({table[i].role, JsonValue::Array(std::move(slots))});
  }

  std::vector<JsonMember> top = {
      {"format", Text(kDesignFileFormat)},
      {"version", JsonValue::Number(kDesignFileVersion)},
      {"measure", Text(s.imperial ? "imperial" : "metric")},
      {"inputs", ObjectWithKept(std::move(inputs), kept, "inputs")},
      {"supportSide", Text(s.supportsExterior ? "exterior" : "interior")},
      {"lumberThickness", ObjectWithKept({{"inches", SingleNumberTimes(s.lumberThickness, 12)},
                                          {"dialogInches", Text(s.thicknessInches)},
                                          {"dialogSixteenths", Text(s.thicknessSixteenths)}},
                                         kept, "lumberThickness")},
      {"modelScale", ObjectWithKept({{"on", JsonValue::Boolean(s.modelScale)},
                                     {"factor", SingleNumber(s.scaleFactor)},
                                     {"menuCaption", Text(s.modelMenuCaption)}},
                                    kept, "modelScale")},
      {"preset", Text(s.presetCaption)},
      {"customDesign", JsonValue::Boolean(s.customDesign)},
      {"statusBar", JsonValue::Array({Text(s.statusText), Text(s.versionText)})},
  };
  if (s.species) top.push_back({"species", Text(PropertiesOf(*s.species).name)});
  if (auto it = kept.find(""); it != kept.end())
    top.insert(top.end(), it->second.begin(), it->second.end());
  top.push_back({"record", RecordValue(record)});
  result.text = LayOutJson(JsonValue::Object(std::move(top))) + "\n";
  // Laid out one member a line, a file's unknown keys can outgrow what a file may hold.
  if (result.text.size() > kDesignFileMaxBytes) {
    result.text.clear();
    result.error = "the file would be larger than 1 MB";
  }
  return result;
}

}  // namespace varnloft
