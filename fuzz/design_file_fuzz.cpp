// The design-file reader on any bytes. It may refuse, with a reason, but never crash, hang or
// trip a sanitizer. A file it accepts opens in a window, whose activation designs it; the design
// is then written again, and that file must be accepted too, bring back the same state with no
// key missing, keep the unknown keys, and write the same text once more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/design_file.h"
#include "app/design_state.h"
#include "app/main_window.h"
#include "fuzz_check.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

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
  const DesignState& state = read.contents.state;

  ScriptedPrompts prompts;
  prompts.answer = text.size() % 2 ? Answer::Yes : Answer::No;  // the overlap question
  FixedClock clock(LocalDateTime{2026, 12, 7, 9, 0, 0, 1});
  RecordingShell shell;
  MainWindow window(prompts, clock, shell);
  window.FormCreate();
  ApplyDesignState(window, state);
  FUZZ_CHECK(CaptureDesignState(window.form, window.rec) == state,
             "the window does not hold the state it was given");
  window.HandleUserEvent([&] { window.FormActivate(); });
  for (const auto& box : prompts.shown)
    FUZZ_CHECK(box.text.rfind("Unexpected error", 0) != 0, "an error escaped: " + box.text);

  const DesignFileText written = WriteDesignFile(state, window.rec, read.contents.kept);
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
  FUZZ_CHECK(
      WriteDesignFile(again.contents.state, window.rec, again.contents.kept).text == written.text,
      "writing the design again gives another file");
}

}  // namespace
}  // namespace varnloft::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  varnloft::fuzz::CheckFile(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
