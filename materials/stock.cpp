#include "materials/stock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "materials/hardware_names.h"
#include "materials/material_texts.h"
#include "measure/errors.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

constexpr double kImperialLengths[] = {8, 10, 12, 14, 16};
constexpr double kMetricMetres[] = {2.4, 3.0, 3.6, 4.2, 4.8};

struct ExamplePrices {
  const char* lumber;
  double prices[5];  // one board of each default length
};

// Example prices, for a start: the user puts in the yard's own.
constexpr ExamplePrices kImperialExamples[] = {
    {"1 X 2", {1.48, 1.98, 2.38, 2.88, 3.28}},      {"1 X 4", {3.28, 4.18, 4.98, 5.88, 6.68}},
    {"1 X 6", {5.48, 6.88, 8.28, 9.68, 10.98}},     {"2 X 2", {2.98, 3.78, 4.48, 5.28, 5.98}},
    {"2 X 3", {3.68, 4.68, 5.58, 6.58, 7.48}},      {"2 X 4", {4.25, 5.98, 7.48, 9.28, 10.48}},
    {"2 X 6", {6.48, 8.38, 10.28, 12.98, 14.68}},   {"2 X 8", {8.98, 11.48, 13.98, 16.48, 18.98}},
    {"2 X 10", {12.48, 15.98, 19.28, 22.98, 26.48}}};

constexpr ExamplePrices kMetricExamples[] = {
    {"19 \xC3\x97 38 mm", {2.10, 2.60, 3.10, 3.70, 4.20}},
    {"38 \xC3\x97 38 mm", {3.90, 4.90, 5.80, 6.80, 7.80}},
    {"38 \xC3\x97 64 mm", {4.80, 6.00, 7.20, 8.40, 9.60}},
    {"38 \xC3\x97 89 mm", {5.60, 7.00, 8.40, 9.80, 11.20}},
    {"38 \xC3\x97 140 mm", {8.50, 10.60, 12.70, 14.80, 16.90}},
    {"38 \xC3\x97 184 mm", {11.60, 14.50, 17.40, 20.30, 23.20}}};

double Inch(double inches) {
  return inches / kInchesPerFoot;
}
double Millimetre(double mm) {
  return mm / kMillimetresPerFoot;
}

std::vector<HardwarePrice> ExampleHardware(bool imperial) {
  std::vector<HardwarePrice> rows;
  if (imperial) {
    const double d = Inch(0.375);
    const double bolts[][2] = {{3, 0.85}, {3.5, 0.92}, {4, 0.98}, {4.5, 1.08}, {5, 1.18}};
    for (const auto& [inches, price] : bolts)
      rows.push_back({CarriageBoltName(d, Inch(inches), true), 1, price});
    rows.push_back({WasherName(d, true), 25, 4.48});
    rows.push_back({NutName(d, true), 25, 4.28});
    rows.push_back({ScrewName(Inch(1.625), true), 100, 6.97});
    rows.push_back({ScrewName(Inch(2.5), true), 100, 8.97});
    rows.push_back({ScrewName(Inch(3), true), 100, 9.97});
  } else {
    const double d = Millimetre(10);
    const double bolts[][2] = {{80, 0.90}, {90, 0.95}, {100, 1.00}, {110, 1.10}, {120, 1.20}};
    for (const auto& [mm, price] : bolts)
      rows.push_back({CarriageBoltName(d, Millimetre(mm), false), 1, price});
    rows.push_back({WasherName(d, false), 25, 4.50});
    rows.push_back({NutName(d, false), 25, 4.30});
    rows.push_back({ScrewName(Millimetre(40), false), 100, 6.90});
    rows.push_back({ScrewName(Millimetre(60), false), 100, 8.90});
    rows.push_back({ScrewName(Millimetre(80), false), 100, 9.90});
  }
  return rows;
}

std::string Field(const char* list, size_t index, const char* name) {
  return std::string(list) + "[" + std::to_string(index) + "]." + name;
}

// A value as a message quotes it: ten significant digits, so 1e300 reads as 1e+300.
std::string ValueText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string PriceProblem(const std::optional<double>& price, const std::string& field) {
  if (!price) return "";
  if (std::isfinite(*price) && *price < 0) return field + ": a price may not be negative.";
  if (!std::isfinite(*price) || *price > kHighestPrice)
    return field + ": " + ValueText(*price) + " is not a price; a price is at most " +
           ValueText(kHighestPrice) + ".";
  return "";
}

}  // namespace

double ShortestStockLength(bool imperial) {
  return imperial ? 1.0 : Millimetre(300);
}

double LongestStockLength(bool imperial) {
  return imperial ? 40.0 : Millimetre(12000);
}

std::string CurrencyProblem(const std::string& currency) {
  if (currency.size() > kLongestCurrency)
    return "The currency symbol may be at most " + std::to_string(kLongestCurrency) +
           " characters long.";
  for (unsigned char c : currency)
    if (c < 0x20 || c == 0x7F) return "The currency symbol may not hold tabs or line breaks.";
  return "";
}

std::vector<double> DefaultStockLengths(bool imperial) {
  std::vector<double> lengths;
  if (imperial) {
    lengths.assign(std::begin(kImperialLengths), std::end(kImperialLengths));
  } else {
    for (double metres : kMetricMetres) lengths.push_back(Millimetre(metres * 1000));
  }
  return lengths;
}

MaterialsSettings DefaultMaterialsSettings(bool imperial) {
  MaterialsSettings settings;
  settings.kerf = imperial ? Inch(0.125) : Millimetre(3);
  settings.trim = 0;
  settings.boltDiameter = imperial ? Inch(0.375) : Millimetre(10);
  const std::vector<double> lengths = DefaultStockLengths(imperial);
  auto add = [&](const ExamplePrices& example) {
    for (size_t i = 0; i < lengths.size(); ++i)
      settings.table.stock.push_back({example.lumber, lengths[i], example.prices[i]});
  };
  if (imperial) {
    for (const ExamplePrices& example : kImperialExamples) add(example);
  } else {
    for (const ExamplePrices& example : kMetricExamples) add(example);
  }
  settings.table.hardware = ExampleHardware(imperial);
  return settings;
}

std::vector<StockLength> StockOf(const StockTable& table, const std::string& lumber,
                                 bool imperial) {
  std::vector<StockLength> rows;
  for (const StockLength& row : table.stock)
    if (row.lumber == lumber) rows.push_back(row);
  if (rows.empty()) {
    for (double length : DefaultStockLengths(imperial)) rows.push_back({lumber, length, {}});
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const StockLength& a, const StockLength& b) { return a.length < b.length; });
  return rows;
}

HardwarePrice HardwarePriceOf(const StockTable& table, const std::string& item) {
  for (const HardwarePrice& row : table.hardware)
    if (row.item == item) return row;
  return {item, 1, {}};
}

std::string StockTableProblem(const StockTable& table, bool imperial) {
  if (std::string problem = CurrencyProblem(table.currency); !problem.empty()) return problem;
  const auto& stock = table.stock;
  std::set<std::pair<std::string, double>> lengths;
  std::map<std::string, size_t> perLumber;
  const double shortest = ShortestStockLength(imperial), longest = LongestStockLength(imperial);
  for (size_t i = 0; i < stock.size(); ++i) {
    const StockLength& row = stock[i];
    if (row.lumber.empty()) return Field("stock", i, "lumber") + ": the lumber has no name.";
    if (!std::isfinite(row.length) || row.length <= 0)
      return Field("stock", i, "length") + ": a stock length must be more than 0.";
    if (row.length < shortest || row.length > longest)
      return Field("stock", i, "length") + ": " + ValueText(row.length) +
             " ft is not a length a lumber yard sells; a stock length is from " +
             MaterialLengthText(shortest, imperial) + " to " +
             MaterialLengthText(longest, imperial) + ".";
    if (std::string problem = PriceProblem(row.price, Field("stock", i, "price")); !problem.empty())
      return problem;
    if (!lengths.emplace(row.lumber, row.length).second)
      return "stock[" + std::to_string(i) + "]: " + row.lumber + " at " +
             MaterialLengthText(row.length, imperial) + " is listed twice.";
    if (++perLumber[row.lumber] > kMostStockLengthsPerLumber)
      return "stock[" + std::to_string(i) + "]: " + row.lumber + " has more than " +
             std::to_string(kMostStockLengthsPerLumber) + " stock lengths.";
  }
  const auto& hardware = table.hardware;
  std::set<std::string> items;
  for (size_t i = 0; i < hardware.size(); ++i) {
    const HardwarePrice& row = hardware[i];
    if (row.item.empty()) return Field("hardware", i, "item") + ": the item has no name.";
    if (row.pack < 1) return Field("hardware", i, "pack") + ": a pack holds 1 or more.";
    if (std::string problem = PriceProblem(row.price, Field("hardware", i, "price"));
        !problem.empty())
      return problem;
    if (!items.insert(row.item).second)
      return "hardware[" + std::to_string(i) + "]: " + row.item + " is listed twice.";
  }

  return "";
}

std::string SettingsProblem(const MaterialsSettings& settings, bool imperial) {
  const double inchOrMm = imperial ? Inch(1) : Millimetre(25);
  const std::string limit = imperial ? "1 in" : "25 mm";
  if (!std::isfinite(settings.kerf)) return "The kerf is not a number.";
  if (settings.kerf < 0) return "The kerf may not be negative.";
  if (settings.kerf >= inchOrMm) return "A kerf of " + limit + " or more is not a saw's cut.";
  if (!std::isfinite(settings.boltDiameter) || settings.boltDiameter <= 0)
    return "The bolt diameter must be a number above 0.";
  if (settings.boltDiameter >= inchOrMm)
    return "A bolt diameter of " + limit + " or more is not a table's bolt.";

  if (std::string problem = StockTableProblem(settings.table, imperial); !problem.empty())
    return problem;
  double shortest = 0;
  for (const StockLength& row : settings.table.stock)
    shortest = shortest == 0 ? row.length : std::min(shortest, row.length);
  for (double length : DefaultStockLengths(imperial))
    shortest = shortest == 0 ? length : std::min(shortest, length);
  if (!std::isfinite(settings.trim)) return "The end trim is not a number.";
  if (settings.trim < 0) return "The end trim may not be negative.";
  if (settings.trim > shortest / 4)
    return "The end trim may not be more than a quarter of the shortest stock length (" +
           MaterialLengthText(shortest, imperial) + ").";
  return "";
}

std::string ReadSawLength(const std::string& text, bool imperial, const char* field, double& feet) {
  double value = 0;
  if (!TryReadNumber(text, value))
    return std::string("The ") + field + ": " + ConversionError(text).what() + ".";
  feet = imperial ? Inch(value) : Millimetre(value);
  return "";
}

}  // namespace varnloft
