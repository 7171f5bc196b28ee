#pragma once
// What the lumber yard sells and what it costs, and the settings of the saw: the stock table
// (for each lumber the lengths sold with the price of one board, and the hardware by the pack),
// the kerf, the end trim and the bolt diameter. All lengths in feet.
#include <optional>
#include <string>
#include <vector>

namespace varnloft {

struct StockLength {
  std::string lumber;           // "2 X 4"
  double length = 0;            // feet
  std::optional<double> price;  // one board; none: "no price"
};

struct HardwarePrice {
  std::string item;             // "Carriage bolt 3/8 × 4 in"
  int pack = 1;                 // items in one pack
  std::optional<double> price;  // one pack
};

struct StockTable {
  std::string currency = "$";
  std::vector<StockLength> stock;
  std::vector<HardwarePrice> hardware;
};

struct MaterialsSettings {
  StockTable table;
  double kerf = 0;          // the saw's cut, feet
  double trim = 0;          // cut off each end of every board before use, feet
  double boltDiameter = 0;  // feet
};

// The lengths a lumber without a row of its own is sold in: 8 to 16 ft, or 2.4 to 4.8 m.
std::vector<double> DefaultStockLengths(bool imperial);

// Kerf 1/8 in (3 mm), no trim, 3/8 in (10 mm) bolts, and the example prices of the common sizes.
MaterialsSettings DefaultMaterialsSettings(bool imperial);

// The stock of one lumber, shortest first: its rows in the table, or the default lengths with no
// price when the table has none for it.
std::vector<StockLength> StockOf(const StockTable& table, const std::string& lumber, bool imperial);

// The pack and price of an item; a pack of 1 with no price when the table has no row for it.
HardwarePrice HardwarePriceOf(const StockTable& table, const std::string& item);

// The limits a stock table is held to, wherever it comes from (the Settings page, a stock file,
// the saved settings): lengths a lumber yard sells, prices a yard asks, a short currency label.
inline constexpr size_t kMostStockLengthsPerLumber = 100;
inline constexpr double kHighestPrice = 1e6;
inline constexpr size_t kLongestCurrency = 12;

// The shortest and the longest stock length of a measure, feet: 1 ft to 40 ft, 0.3 m to 12 m.
double ShortestStockLength(bool imperial);
double LongestStockLength(bool imperial);

// Empty when the currency symbol can be used, else why not: more than kLongestCurrency
// characters (bytes), or a tab, line break or other control character.
std::string CurrencyProblem(const std::string& currency);

// Empty when every row can be used, else what is wrong, naming the field as the stock file does
// and the value refused ("stock[2].length: 1e+300 ft is not ..."): a lumber or item without a
// name, a stock length of 0 or less or outside the yard's range, a price that is negative, not a
// number or above kHighestPrice, a pack below 1, a row listed twice, more than
// kMostStockLengthsPerLumber lengths of one lumber, a currency CurrencyProblem refuses.
std::string StockTableProblem(const StockTable& table, bool imperial);

// Empty when the settings can be used, else what is wrong, naming the field: a kerf or trim that
// is negative, not a number or absurd (a kerf of 1 in / 25 mm or more, a trim over a quarter of
// the shortest stock length), a stock length of 0 or less, a negative price or a pack below 1.
std::string SettingsProblem(const MaterialsSettings& settings, bool imperial);

// Reads a kerf, trim or bolt diameter typed as the boxes are typed: inches in imperial measure,
// millimetres in metric. On success sets `feet` and returns empty; else returns the message and
// leaves `feet` unchanged.
std::string ReadSawLength(const std::string& text, bool imperial, const char* field, double& feet);

}  // namespace varnloft
