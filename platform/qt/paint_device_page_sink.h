#pragma once
// Printed pages on a Qt paged device: a QPrinter chosen in the print dialog, or a QPdfWriter.
// The canvas draws through a QPainter at the device's resolution; a recording, when given,
// receives the same calls with a page op at the start of every page.
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>

#include "platform/page_sink.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/recording_canvas.h"
#include "platform/tee_canvas.h"

namespace varnloft {

class PaintDevicePageSink : public PageSink {
 public:
  // `device` must outlive the sink; its page size and margins are set before BeginDocument.
  explicit PaintDevicePageSink(QPagedPaintDevice& device, RecordingCanvas* recording = nullptr);
  ~PaintDevicePageSink() override;

  void BeginDocument() override;
  Canvas& PageCanvas() override;
  int PageWidth() const override;
  int PageHeight() const override;
  void NewPage() override;
  void EndDocument() override;

 private:
  QPagedPaintDevice& device_;
  RecordingCanvas* recording_;
  QPainter painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
  std::unique_ptr<TeeCanvas> tee_;
  int pages_ = 0;
};

}  // namespace varnloft
