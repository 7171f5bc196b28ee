#include "packet/section_page_sink.h"

namespace varnloft {

void SectionPageSink::BeginDocument() {
  if (pages_ > 0 || !onCurrentPage_) document_.NewPage();
  pages_ = 1;
}

void SectionPageSink::NewPage() {
  document_.NewPage();
  ++pages_;
}

}  // namespace varnloft
