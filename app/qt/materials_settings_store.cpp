#include "app/qt/materials_settings_store.h"

#include "materials/stock_file.h"
#include "measure/number_text.h"
#include "platform/json_value.h"

namespace varnloft {

namespace {

QString Key(bool imperial, const char* name) {
  return QString("materials/%1/%2").arg(imperial ? "imperial" : "metric", name);
}

// A length saved as text in feet; false when it is there but not a number.
bool ReadLength(QSettings& store, bool imperial, const char* name, double& feet) {
  const QVariant value = store.value(Key(imperial, name));
  if (!value.isValid()) return true;
  return TryReadNumber(value.toString().toStdString(), feet);
}

std::string LoadMeasure(QSettings& store, MaterialsSetup& setup, bool imperial) {
  MaterialsSettings saved = setup.Of(imperial);
  const QVariant table = store.value(Key(imperial, "stock"));
  if (table.isValid()) {
    const StockFileResult read =
        ReadStockFile(table.toString().toStdString(), saved.table, imperial);
    if (!read.table) return read.error;
    saved.table = *read.table;
  }
  for (auto [name, member] :
       {std::pair{"kerf", &MaterialsSettings::kerf}, std::pair{"trim", &MaterialsSettings::trim},
        std::pair{"boltDiameter", &MaterialsSettings::boltDiameter}}) {
    if (!ReadLength(store, imperial, name, saved.*member))
      return std::string("the ") + name + " is not a number.";
  }
  return setup.SetAll(saved, imperial);
}

}  // namespace

std::string LoadMaterialsSettings(QSettings& store, MaterialsSetup& setup) {
  std::string report;
  for (bool imperial : {true, false}) {
    std::string problem = LoadMeasure(store, setup, imperial);
    if (!problem.empty() && problem.back() == '.') problem.pop_back();  // it goes in brackets
    if (!problem.empty())
      report += std::string(report.empty() ? "" : " ") + "The saved materials settings of " +
                (imperial ? "imperial" : "metric") + " measure cannot be used (" + problem +
                "): the examples are used instead.";
  }
  return report;
}

void SaveMaterialsSettings(QSettings& store, const MaterialsSetup& setup) {
  for (bool imperial : {true, false}) {
    const MaterialsSettings& s = setup.Of(imperial);
    store.setValue(Key(imperial, "stock"), QString::fromStdString(StockFileJson(s.table)));
    store.setValue(Key(imperial, "kerf"), QString::fromStdString(JsonNumber(s.kerf)));
    store.setValue(Key(imperial, "trim"), QString::fromStdString(JsonNumber(s.trim)));
    store.setValue(Key(imperial, "boltDiameter"),
                   QString::fromStdString(JsonNumber(s.boltDiameter)));
  }
  store.sync();
}

}  // namespace varnloft
