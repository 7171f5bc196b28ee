// The stock and price table: its defaults, the stock file read and written, and the settings a
// user may get wrong, each refused with a message naming the field and nothing changed.
#include "materials/stock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "materials/stock_file.h"
#include "tests/materials/inch_in_feet.h"

namespace varnloft {
namespace {

TEST(Stock, DefaultsAreTheCommonLengthsWithExamplePrices) {
  const MaterialsSettings imperial = DefaultMaterialsSettings(true);
  EXPECT_DOUBLE_EQ(imperial.kerf, kInch / 8);
  EXPECT_EQ(imperial.trim, 0);
  EXPECT_DOUBLE_EQ(imperial.boltDiameter, 3 * kInch / 8);
  const std::vector<StockLength> twoByFour = StockOf(imperial.table, "2 X 4", true);
  ASSERT_EQ(twoByFour.size(), 5u);
  EXPECT_EQ(twoByFour[0].length, 8);
  EXPECT_EQ(twoByFour[4].length, 16);
  EXPECT_EQ(*twoByFour[0].price, 4.25);
  // A lumber without rows gets the default lengths with no price.
  const std::vector<StockLength> custom = StockOf(imperial.table, "1 1/2 \xC3\x97 3 1/4 in", true);
  ASSERT_EQ(custom.size(), 5u);
  EXPECT_FALSE(custom[0].price.has_value());

  const MaterialsSettings metric = DefaultMaterialsSettings(false);
  EXPECT_DOUBLE_EQ(metric.kerf * 304.8, 3);
  EXPECT_DOUBLE_EQ(metric.boltDiameter * 304.8, 10);
  const std::vector<StockLength> metres = StockOf(metric.table, "38 \xC3\x97 89 mm", false);
  ASSERT_EQ(metres.size(), 5u);
  EXPECT_DOUBLE_EQ(metres[0].length * 0.3048, 2.4);
  EXPECT_DOUBLE_EQ(metres[4].length * 0.3048, 4.8);
  EXPECT_TRUE(SettingsProblem(imperial, true).empty());
  EXPECT_TRUE(SettingsProblem(metric, false).empty());
}

TEST(Stock, TheStockFileReadsBackWhatItWrites) {
  StockTable table = DefaultMaterialsSettings(true).table;
  table.currency = "\xE2\x82\xAC";
  table.stock.push_back({"Oak \"select\"", 7.5, std::nullopt});
  const std::string text = StockFileJson(table);
  const StockFileResult read = ReadStockFile(text, StockTable{}, true);
  ASSERT_TRUE(read.table) << read.error;
  EXPECT_EQ(StockFileJson(*read.table), text);
  EXPECT_EQ(read.table->stock.back().lumber, "Oak \"select\"");
  EXPECT_FALSE(read.table->stock.back().price.has_value());

  // A part left out keeps the table's own.
  const StockFileResult partial = ReadStockFile("{\"currency\": \"\xC2\xA3\"}", table, true);
  ASSERT_TRUE(partial.table);
  EXPECT_EQ(partial.table->currency, "\xC2\xA3");
  EXPECT_EQ(partial.table->stock.size(), table.stock.size());
  const StockFileResult example = ReadStockFile(
      "{\"currency\": \"$\", \"stock\": [{\"lumber\": \"2 X 4\", \"length\": 8, \"price\": 4.25}], "
      "\"hardware\": [{\"item\": \"Deck screw 3 in\", \"pack\": 50, \"price\": null}]}",
      table, true);
  ASSERT_TRUE(example.table) << example.error;
  EXPECT_EQ(example.table->stock.size(), 1u);
  EXPECT_EQ(example.table->hardware.at(0).pack, 50);
}

TEST(Stock, ABadStockFileIsRefusedWithTheFieldNamed) {
  const StockTable base = DefaultMaterialsSettings(true).table;
  auto error = [&](const std::string& text) {
    const StockFileResult r = ReadStockFile(text, base, true);
    EXPECT_FALSE(r.table.has_value()) << text;
    return r.error;
  };
  EXPECT_EQ(error("{\"stock\": [}"),
            "The stock file is not JSON: line 1, column 12: expected a value.");
  EXPECT_EQ(error("[]"),
            "The stock file must hold one object with \"currency\", \"stock\" and "
            "\"hardware\", not a list.");
  EXPECT_EQ(error("{\"currency\": 1}"), "currency: must be a string, not a number.");
  EXPECT_EQ(error("{\"stock\": {}}"), "stock: must be a list, not an object.");
  EXPECT_EQ(error("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": \"8\"}]}"),
            "stock[0].length: must be a number, not a string.");
  EXPECT_EQ(error("{\"stock\": [{\"lumber\": \"2 X 4\"}]}"), "stock[0].length: is missing.");
  EXPECT_EQ(error("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": 0}]}"),
            "stock[0].length: a stock length must be more than 0.");
  EXPECT_EQ(error("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": 8, \"price\": -1}]}"),
            "stock[0].price: a price may not be negative.");
  EXPECT_EQ(error("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": 8, \"price\": \"4\"}]}"),
            "stock[0].price: must be a number or null, not a string.");
  EXPECT_EQ(error("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": 8, \"colour\": 1}]}"),
            "stock[0] has an unknown field \"colour\".");
  EXPECT_EQ(
      error("{\"stock\": [{\"lumber\": \"A\", \"length\": 8}, {\"lumber\": \"A\", \"length\": "
            "8}]}"),
      "stock[1]: A at 8' is listed twice.");
  EXPECT_EQ(error("{\"hardware\": [{\"item\": \"Nut\", \"pack\": 2.5}]}"),
            "hardware[0].pack: must be a whole number from 1 to 1000000.");
  EXPECT_EQ(error("{\"prices\": []}"), "The stock file has an unknown field \"prices\".");
}

TEST(Stock, KerfTrimAndBoltDiameterOutOfReasonAreRefused) {
  auto problem = [](void (*change)(MaterialsSettings&), bool imperial) {
    MaterialsSettings s = DefaultMaterialsSettings(imperial);
    change(s);
    return SettingsProblem(s, imperial);
  };
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.kerf = -kInch; }, true),
            "The kerf may not be negative.");
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.kerf = std::nan(""); }, true),
            "The kerf is not a number.");
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.kerf = kInch; }, true),
            "A kerf of 1 in or more is not a saw's cut.");
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.kerf = 25 / 304.8; }, false),
            "A kerf of 25 mm or more is not a saw's cut.");
  EXPECT_TRUE(problem([](MaterialsSettings& s) { s.kerf = 0; }, true).empty());
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.trim = -1; }, true),
            "The end trim may not be negative.");
  EXPECT_TRUE(problem([](MaterialsSettings& s) { s.trim = 2; }, true).empty());
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.trim = 2.01; }, true),
            "The end trim may not be more than a quarter of the shortest stock length (8').");
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.boltDiameter = 0; }, true),
            "The bolt diameter must be a number above 0.");
  EXPECT_EQ(problem([](MaterialsSettings& s) { s.table.stock[3].length = -8; }, true),
            "stock[3].length: a stock length must be more than 0.");

  double feet = 7;
  EXPECT_EQ(ReadSawLength("1/8", true, "kerf", feet),
            "The kerf: '1/8' is not a valid floating point value.");
  EXPECT_EQ(feet, 7);
  EXPECT_TRUE(ReadSawLength(" .125", true, "kerf", feet).empty());
  EXPECT_DOUBLE_EQ(feet, kInch / 8);
  EXPECT_TRUE(ReadSawLength("3", false, "kerf", feet).empty());
  EXPECT_DOUBLE_EQ(feet * 304.8, 3);
}

}  // namespace
}  // namespace varnloft
