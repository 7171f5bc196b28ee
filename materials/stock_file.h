#pragma once
// The stock and price table as a JSON file, lengths in feet:
//   {"currency": "$",
//    "stock": [{"lumber": "2 X 4", "length": 8, "price": 4.25}, ...],
//    "hardware": [{"item": "Deck screw 3 in", "pack": 100, "price": 9.97}, ...]}
// A price may be null or left out (no price). A part left out keeps the table's own.
#include <optional>
#include <string>

#include "materials/stock.h"

namespace varnloft {

struct StockFileResult {
  std::optional<StockTable> table;  // empty when the file was refused
  std::string error;                // names the field: "stock[2].length: must be a number."
};

// Reads the file's text over `base`. Refuses text that is not JSON, a field of the wrong type,
// an unknown field and any row StockTableProblem refuses; the message names the field.
StockFileResult ReadStockFile(const std::string& text, const StockTable& base, bool imperial);

// A stock file is a short table; a larger file is refused before more of it is read.
inline constexpr size_t kStockFileMaxBytes = 1 << 20;  // 1 MB

// Reads the stock file at `path` over `base`, through the bounded reader: a pipe, a device or a
// folder is refused at once, and a file larger than kStockFileMaxBytes is refused at the limit.
// The error names the file: "The stock file s.json cannot be read: it is not a regular file."
StockFileResult ReadStockFileAt(const std::string& path, const StockTable& base, bool imperial);

// The table in the file's form, one row a line.
std::string StockFileJson(const StockTable& table);

}  // namespace varnloft
