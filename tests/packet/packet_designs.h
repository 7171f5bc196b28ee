#pragma once
// Designs and pages for the build packet's tests: a US Letter or A4 page at 600 dpi, as the PDF
// file's printable area, and the packet recorded on it.
#include <memory>
#include <string>

#include "materials/stock.h"
#include "packet/build_packet.h"
#include "platform/recording_page_sink.h"
#include "tests/support/built_in_design.h"
#include "tests/support/op_find.h"
#include "tests/support/printed_pages.h"

namespace varnloft::testing {

inline constexpr LocalDateTime kNow{2007, 1, 5, 9, 5, 7, 5};

inline PacketContents ContentsFor(const DesignRecord& rec) {
  PacketContents contents;
  contents.plans.statusText = "Adult Standard Size Table";
  contents.plans.calendarDate = kNow;
  contents.materials = DefaultMaterialsSettings(rec.ImperialUnits);
  contents.dotsPerInch = 600;
  return contents;
}

struct RecordedPacket {
  explicit RecordedPacket(DesignRecord design, int width = kLetterWidth, int height = kLetterHeight)
      : rec(std::move(design)), sink(width, height), contents(ContentsFor(rec)) {}
  const PacketLayout& Write() {
    layout = WriteBuildPacket(rec, sink, contents, kNow);
    return layout;
  }
  const Ops& ops() const { return sink.Recording().Ops(); }

  DesignRecord rec;
  RecordingPageSink sink;
  PacketContents contents;
  PacketLayout layout;
};

// The built-in table with one input's width box changed, e.g. ("seatSupportSize", "11.25").
inline DesignRecord BuiltInWithWidth(const std::string& role, const std::string& width) {
  InputTexts texts = BuiltInTexts();
  texts[role][1] = width;
  return CalculatedDesign(texts);
}

}  // namespace varnloft::testing
