// Any text as a stock and price file. The reader either refuses it with a message or gives a
// table every row of which can be used; such a table, written and read again, is the same
// table. Any text the JSON reader takes is written and read back to the same value. The text is
// read from a file through the bounded reader, as the program reads a stock file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_check.h"
#include "materials/stock.h"
#include "materials/stock_file.h"
#include "platform/json_value.h"

namespace varnloft::fuzz {
namespace {

bool SameTable(const StockTable& a, const StockTable& b) {
  if (a.currency != b.currency || a.stock.size() != b.stock.size() ||
      a.hardware.size() != b.hardware.size())
    return false;
  for (size_t i = 0; i < a.stock.size(); ++i) {
    if (a.stock[i].lumber != b.stock[i].lumber || a.stock[i].length != b.stock[i].length ||
        a.stock[i].price != b.stock[i].price)
      return false;
  }
  for (size_t i = 0; i < a.hardware.size(); ++i) {
    if (a.hardware[i].item != b.hardware[i].item || a.hardware[i].pack != b.hardware[i].pack ||
        a.hardware[i].price != b.hardware[i].price)
      return false;
  }
  return true;
}

void CheckJson(const std::string& text) {
  const JsonParseResult parsed = ParseJson(text);
  FUZZ_CHECK(parsed.value.has_value() != !parsed.error.empty(),
             "the JSON reader gave both or neither of a value and an error");
  if (!parsed.value) {
    FUZZ_CHECK(parsed.error.rfind("line ", 0) == 0 || parsed.error.rfind("the text is", 0) == 0,
               "a JSON error without its place: " + parsed.error);
    return;
  }
  const std::string written = WriteJson(*parsed.value);
  const JsonParseResult again = ParseJson(written);
  FUZZ_CHECK(again.value.has_value(), "written JSON does not read back: " + again.error);
  FUZZ_CHECK(WriteJson(*again.value) == written, "JSON read back differs: " + written);
}

// The fuzzer's scratch file, removed when the run ends.
struct ScratchFile {
  std::string path;
  ~ScratchFile() { unlink(path.c_str()); }
};

// The input as a file, read as --stock and the Settings page read it: through the bounded
// reader. One file for the whole run, rewritten for each input, in memory (/dev/shm) where there
// is one: on a disk, rewriting a file makes the file system write it out at each close, and a run
// beside a build spent ten times longer waiting for the disk than fuzzing.
StockFileResult ReadThroughFile(const std::string& text, const StockTable& base, bool imperial) {
  static const ScratchFile file{[] {
    std::string pattern;
    for (const char* folder : {"/dev/shm", "/tmp"}) {
      pattern = std::string(folder) + "/varnloft-stock-fuzz-XXXXXX";
      const int fd = mkstemp(pattern.data());
      if (fd >= 0) {
        close(fd);
        break;
      }
    }
    return pattern;
  }()};
  const std::string& path = file.path;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  FUZZ_CHECK(out != nullptr, "the fuzzer's stock file cannot be written");
  std::fwrite(text.data(), 1, text.size(), out);
  std::fclose(out);
  return ReadStockFileAt(path, base, imperial);
}

void CheckStockFile(const std::string& text, bool imperial) {
  const StockTable base = DefaultMaterialsSettings(imperial).table;
  const StockFileResult read = ReadThroughFile(text, base, imperial);
  if (text.size() > kStockFileMaxBytes) {
    FUZZ_CHECK(!read.table && read.error.find("it is larger than 1 MB") != std::string::npos,
               "a stock file over the limit was read: " + read.error);
    return;
  }
  const StockFileResult direct = ReadStockFile(text, base, imperial);
  FUZZ_CHECK(read.error == direct.error && read.table.has_value() == direct.table.has_value(),
             "the stock file read from a file differs from its text read directly");
  FUZZ_CHECK(read.table.has_value() != !read.error.empty(),
             "the stock reader gave both or neither of a table and an error");
  if (!read.table) return;
  FUZZ_CHECK(StockTableProblem(*read.table, imperial).empty(),
             "an accepted stock file has a row that cannot be used");
  const std::string written = StockFileJson(*read.table);
  const StockFileResult again = ReadStockFile(written, StockTable{}, imperial);
  FUZZ_CHECK(again.table.has_value(), "a written stock file is refused: " + again.error);
  FUZZ_CHECK(SameTable(*again.table, *read.table), "a stock file read back differs");
}

}  // namespace
}  // namespace varnloft::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnloft::fuzz;
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckJson(text);
  CheckStockFile(text, true);
  CheckStockFile(text, false);
  return 0;
}
