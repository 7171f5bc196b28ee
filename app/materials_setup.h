#pragma once
// The materials settings the user edits: for each measure its own stock and price table, kerf,
// end trim and bolt diameter (the lumber names, stock lengths and hardware sizes of one measure
// mean nothing in the other). Every change is checked whole before it is kept: a change that is
// refused returns its message and leaves the settings exactly as they were.
#include <string>

#include "materials/stock.h"

namespace varnloft {

class MaterialsSetup {
 public:
  // The defaults of both measures, with the example prices.
  MaterialsSetup();

  const MaterialsSettings& Of(bool imperial) const { return imperial ? imperial_ : metric_; }

  // Each returns an empty text when the change was kept, else the message (nothing changed).
  // Lengths are typed as the boxes are typed: inches in imperial measure, millimetres in metric.
  std::string SetKerf(const std::string& text, bool imperial);
  std::string SetTrim(const std::string& text, bool imperial);
  std::string SetBoltDiameter(const std::string& text, bool imperial);
  std::string SetCurrency(const std::string& text, bool imperial);
  // The whole stock and price table, as the window's tables or a stock file give it.
  std::string SetTable(const StockTable& table, bool imperial);
  // A stock file's text (see materials/stock_file.h) read over the measure's table.
  std::string ReadStockText(const std::string& text, bool imperial);
  // The stock file at `path`, read through the bounded reader, over the measure's table.
  std::string ReadStockFileAt(const std::string& path, bool imperial);
  // All the settings of one measure at once, as saved settings bring them back.
  std::string SetAll(const MaterialsSettings& settings, bool imperial);

  // The defaults of one measure, example prices included.
  void RestoreExamples(bool imperial);

 private:
  // Keeps `changed` for the measure when SettingsProblem finds nothing wrong with it.
  std::string Keep(const MaterialsSettings& changed, bool imperial);
  std::string SetLength(const std::string& text, bool imperial, const char* field,
                        double MaterialsSettings::*member);

  MaterialsSettings imperial_, metric_;
};

// The text of a kerf, trim or bolt diameter in its box: decimal inches or millimetres.
std::string SawLengthText(double feet, bool imperial);

}  // namespace varnloft
