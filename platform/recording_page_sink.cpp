#include "platform/recording_page_sink.h"

namespace varnloft {

void RecordingPageSink::BeginDocument() {
  canvas_.Clear();
  pages_ = 1;
  ended_ = false;
  canvas_.BeginPage(pages_, width_, height_);
}

void RecordingPageSink::NewPage() {
  canvas_.BeginPage(++pages_, width_, height_);
}

}  // namespace varnloft
