// Hostile stock files: files that never end, values past a lumber yard's range, currencies the
// Settings page would refuse. Each is refused with the field and the value named, and nothing
// is read past the size limit.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "materials/stock.h"
#include "materials/stock_file.h"

namespace varnloft {
namespace {

namespace fs = std::filesystem;

std::string Refusal(const std::string& text, bool imperial = true) {
  const StockFileResult r = ReadStockFile(text, DefaultMaterialsSettings(imperial).table, imperial);
  EXPECT_FALSE(r.table.has_value()) << text;
  return r.error;
}

std::string OneRow(const std::string& length, const std::string& price = "null") {
  return "{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": " + length + ", \"price\": " + price +
         "}]}";
}

TEST(StockLimits, LengthsOutsideAYardsRangeAreRefusedWithTheValue) {
  EXPECT_EQ(Refusal(OneRow("1e300")),
            "stock[0].length: 1e+300 ft is not a length a lumber yard sells; a stock length is "
            "from 1' to 40'.");
  EXPECT_EQ(Refusal(OneRow("0.5")),
            "stock[0].length: 0.5 ft is not a length a lumber yard sells; a stock length is from "
            "1' to 40'.");
  EXPECT_NE(Refusal(OneRow("40.5"), false).find("from 300 mm to 12000 mm"), std::string::npos);
  // The ends of the range are lengths a yard sells.
  for (const char* length : {"1", "40"}) {
    const StockFileResult r = ReadStockFile(OneRow(length), StockTable{}, true);
    EXPECT_TRUE(r.table.has_value()) << length << ": " << r.error;
  }
}

TEST(StockLimits, PricesThatNoTotalCanHoldAreRefused) {
  EXPECT_EQ(Refusal(OneRow("8", "1.7e308")),
            "stock[0].price: 1.7e+308 is not a price; a price is at most 1000000.");
  EXPECT_EQ(Refusal("{\"hardware\": [{\"item\": \"Nut\", \"pack\": 1, \"price\": 1e7}]}"),
            "hardware[0].price: 10000000 is not a price; a price is at most 1000000.");
  EXPECT_TRUE(ReadStockFile(OneRow("8", "0"), StockTable{}, true).table.has_value());
}

TEST(StockLimits, ACurrencyIsHeldToTheSettingsPagesRules) {
  EXPECT_EQ(Refusal("{\"currency\": \"" + std::string(5000, '$') + "\"}"),
            "The currency symbol may be at most 12 characters long.");
  EXPECT_EQ(Refusal("{\"currency\": \"$\\n\\r\\t\"}"),
            "The currency symbol may not hold tabs or line breaks.");
  EXPECT_TRUE(
      ReadStockFile("{\"currency\": \"\xE2\x82\xAC\"}", StockTable{}, true).table.has_value());
}

TEST(StockLimits, OneLumberHasAtMostAHundredLengths) {
  auto rows = [](int count) {
    std::string text = "{\"stock\": [";
    for (int i = 0; i < count; ++i)
      text += std::string(i ? ", " : "") +
              "{\"lumber\": \"2 X 4\", \"length\": " + std::to_string(8 + i * 0.25) + "}";
    return text + "]}";
  };
  EXPECT_TRUE(ReadStockFile(rows(100), StockTable{}, true).table.has_value());
  EXPECT_EQ(Refusal(rows(101)), "stock[100]: 2 X 4 has more than 100 stock lengths.");
}

struct ScratchFolder {
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "varnloft-stock-XXXXXX").string();
    if (mkdtemp(pattern.data())) path = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  std::string path;
};

TEST(StockLimits, AFileThatNeverEndsIsRefusedAtOnce) {
  const ScratchFolder folder;
  const std::string fifo = folder.path + "/stock.json";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // No writer ever opens the pipe: a reader that waited would hang here.
  EXPECT_EQ(ReadStockFileAt(fifo, StockTable{}, true).error,
            "The stock file " + fifo + " cannot be read: it is not a regular file.");
  EXPECT_EQ(ReadStockFileAt("/dev/zero", StockTable{}, true).error,
            "The stock file /dev/zero cannot be read: it is not a regular file.");
  EXPECT_EQ(ReadStockFileAt(folder.path, StockTable{}, true).error,
            "The stock file " + folder.path + " cannot be read: it is a folder.");
}

TEST(StockLimits, AFileLargerThanTheLimitIsRefusedAndASmallOneRead) {
  const ScratchFolder folder;
  const std::string big = folder.path + "/big.json";
  std::ofstream(big) << OneRow("8") << std::string(kStockFileMaxBytes, ' ');
  EXPECT_EQ(ReadStockFileAt(big, StockTable{}, true).error,
            "The stock file " + big + " cannot be read: it is larger than 1 MB.");
  const std::string small = folder.path + "/small.json";
  std::ofstream(small) << OneRow("8", "4.25");
  const StockFileResult r = ReadStockFileAt(small, StockTable{}, true);
  ASSERT_TRUE(r.table.has_value()) << r.error;
  EXPECT_EQ(r.table->stock.at(0).price, 4.25);
}

}  // namespace
}  // namespace varnloft
