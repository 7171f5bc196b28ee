#include "app/materials_setup.h"

#include <cmath>

#include "materials/material_texts.h"
#include "materials/stock_file.h"
#include "measure/number_text.h"

namespace varnloft {

MaterialsSetup::MaterialsSetup()
    : imperial_(DefaultMaterialsSettings(true)), metric_(DefaultMaterialsSettings(false)) {}

std::string MaterialsSetup::Keep(const MaterialsSettings& changed, bool imperial) {
  if (std::string problem = SettingsProblem(changed, imperial); !problem.empty()) return problem;
  (imperial ? imperial_ : metric_) = changed;
  return "";
}

std::string MaterialsSetup::SetLength(const std::string& text, bool imperial, const char* field,
                                      double MaterialsSettings::*member) {
  MaterialsSettings changed = Of(imperial);
  if (std::string problem = ReadSawLength(text, imperial, field, changed.*member); !problem.empty())
    return problem;
  return Keep(changed, imperial);
}

std::string MaterialsSetup::SetKerf(const std::string& text, bool imperial) {
  return SetLength(text, imperial, "kerf", &MaterialsSettings::kerf);
}

std::string MaterialsSetup::SetTrim(const std::string& text, bool imperial) {
  return SetLength(text, imperial, "end trim", &MaterialsSettings::trim);
}

std::string MaterialsSetup::SetBoltDiameter(const std::string& text, bool imperial) {
  return SetLength(text, imperial, "bolt diameter", &MaterialsSettings::boltDiameter);
}

std::string MaterialsSetup::SetCurrency(const std::string& text, bool imperial) {
  if (std::string problem = CurrencyProblem(text); !problem.empty()) return problem;
  MaterialsSettings changed = Of(imperial);
  changed.table.currency = text;
  return Keep(changed, imperial);
}

std::string MaterialsSetup::SetTable(const StockTable& table, bool imperial) {
  MaterialsSettings changed = Of(imperial);
  changed.table = table;
  return Keep(changed, imperial);
}

std::string MaterialsSetup::ReadStockText(const std::string& text, bool imperial) {
  const StockFileResult read = ReadStockFile(text, Of(imperial).table, imperial);
  if (!read.table) return read.error;
  return SetTable(*read.table, imperial);
}

std::string MaterialsSetup::ReadStockFileAt(const std::string& path, bool imperial) {
  const StockFileResult read = varnloft::ReadStockFileAt(path, Of(imperial).table, imperial);
  if (!read.table) return read.error;
  return SetTable(*read.table, imperial);
}

std::string MaterialsSetup::SetAll(const MaterialsSettings& settings, bool imperial) {
  return Keep(settings, imperial);
}

void MaterialsSetup::RestoreExamples(bool imperial) {
  (imperial ? imperial_ : metric_) = DefaultMaterialsSettings(imperial);
}

std::string SawLengthText(double feet, bool imperial) {
  const double value = feet * (imperial ? kInchesPerFoot : kMillimetresPerFoot);
  // A millionth of an inch or millimetre is below any saw's reach; it hides the float's noise.
  return PlainDecimal(std::round(value * 1e6) / 1e6);
}

}  // namespace varnloft
