#include "built_in_design.h"

#include "design/calculate_design.h"
#include "design/form_state.h"
#include "platform/prompts.h"

namespace varnloft::testing {

std::map<std::string, std::string> BuiltInBoxes() {
  return {{"Edit1", "6"},         {"Edit2", "0"},         {"Edit3", "0"},
          {"Edit4", "2"},         {"Edit5", "5"},         {"Edit6", "8"},
          {"Edit28", "1"},        {"Edit7", "5"},         {"Edit8", "8"},
          {"Edit9", "3"},         {"Edit10", "8"},        {"Edit11", "3"},
          {"Edit12", "8"},        {"Edit13", "3"},        {"Edit14", "8"},
          {"Edit15", "3"},        {"Edit16", "8"},        {"Edit17", "3"},
          {"Edit18", "0"},        {"Edit19", "0"},        {"Edit20", "4"},
          {"Edit21", "5.5"},      {"Edit22", "5.5"},      {"Edit23", "3.5"},
          {"Edit24", "3.5"},      {"Edit25", "3.5"},      {"Edit26", "3.5"},
          {"Edit27", "0"},        {"ComboBox1", "2 X 6"}, {"ComboBox2", "2 X 6"},
          {"ComboBox3", "2 X 4"}, {"ComboBox4", "2 X 4"}, {"ComboBox5", "2 X 4"},
          {"ComboBox6", "2 X 4"}, {"ComboBox7", "NONE"},  {"ComboBox8", "6"},
          {"ComboBox9", "2"}};
}

DesignRecord CalculatedDesign(const std::map<std::string, std::string>& boxes,
                              bool supportsExterior) {
  FormState form;
  for (const char* name : {"Metric", "BitBtn4", "BitBtn5", "Label47"}) form.Add(name);
  for (int label = 25; label <= 31; ++label) form.Add("Label" + std::to_string(label));
  for (const auto& [name, text] : boxes) form.Add(name).text = text;

  DesignRecord rec;
  rec.ImperialUnits = true;
  rec.LumberThickness = 0.125f;
  rec.SupportsExterior = supportsExterior;
  ScriptedPrompts prompts;
  prompts.answer = Answer::No;
  CalculateDesign(form, rec, prompts, nullptr);
  return rec;
}

}  // namespace varnloft::testing
