// The design-file reader on any bytes. It may refuse, with a reason, but never crash, hang or
// trip a sanitizer. The document of a file it accepts is designed (the overlap question answered
// by the input's length); the design is then written again, and that file must be accepted too,
// bring back the same document with no key missing, keep the unknown keys, and write the same
// text once more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/design_cycle.h"
#include "document/design_file.h"
#include "fuzz_check.h"

namespace varnloft::fuzz {
namespace {

std::string KeptText(const KeptKeys& kept) {
  std::string text;
  for (const auto& [object, members] : kept)
    text += object + ":" + WriteJson(JsonValue::Object(members)) + "\n";
  return text;
}

void CheckFile(std::string_view text) {
  const DesignFileReading read = ReadDesignFile(text);
  if (!read.ok) {
    FUZZ_CHECK(!read.error.empty(), "a refusal without a reason");
    return;
  }
  const DesignDocument& state = read.contents.state;

  const OverlapAnswer answer = text.size() % 2 ? OverlapAnswer::Yes : OverlapAnswer::No;
  const DesignOutcome outcome = Design(state, answer);
  FUZZ_CHECK(outcome.result != DesignOutcome::Result::Question, "a question after its answer");
  FUZZ_CHECK(outcome.Designed() || !outcome.error.empty(), "a failed design without a reason");
  const DesignRecord& rec = outcome.record;

  const DesignFileText written = WriteDesignFile(state, rec, read.contents.kept);
  if (!written.error.empty()) {
    FUZZ_CHECK(written.error == "the file would be larger than 1 MB",
               "an accepted design cannot be written: " + written.error);
    return;
  }
  const DesignFileReading again = ReadDesignFile(written.text);
  FUZZ_CHECK(again.ok, "a written design is refused: " + again.error);
  FUZZ_CHECK(again.contents.state == state, "the written design reads back differently");
  FUZZ_CHECK(again.contents.missingKeys.empty(), "a written design lacks a key");
  FUZZ_CHECK(KeptText(again.contents.kept) == KeptText(read.contents.kept),
             "unknown keys were lost or changed");
  FUZZ_CHECK(WriteDesignFile(again.contents.state, rec, again.contents.kept).text == written.text,
             "writing the design again gives another file");
}

}  // namespace
}  // namespace varnloft::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  varnloft::fuzz::CheckFile(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
