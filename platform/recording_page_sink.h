#pragma once
// A page sink that keeps every canvas call of the document, each page introduced by its page
// op with the page's size; for tests and the driver's --ops files.
#include "platform/page_sink.h"
#include "platform/recording_canvas.h"

namespace varnloft {

class RecordingPageSink : public PageSink {
 public:
  RecordingPageSink(int pageWidth, int pageHeight)
      : width_(pageWidth), height_(pageHeight), canvas_(pageWidth, pageHeight) {}

  void BeginDocument() override;
  Canvas& PageCanvas() override { return canvas_; }
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void NewPage() override;
  void EndDocument() override { ended_ = true; }

  const RecordingCanvas& Recording() const { return canvas_; }
  int Pages() const { return pages_; }
  bool Ended() const { return ended_; }

 private:
  int width_, height_;
  RecordingCanvas canvas_;
  int pages_ = 0;
  bool ended_ = false;
};

}  // namespace varnloft
