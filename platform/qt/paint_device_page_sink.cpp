#include "platform/qt/paint_device_page_sink.h"

#include "measure/errors.h"

namespace varnloft {

PaintDevicePageSink::PaintDevicePageSink(QPagedPaintDevice& device, RecordingCanvas* recording)
    : device_(device), recording_(recording) {}

PaintDevicePageSink::~PaintDevicePageSink() {
  // A document left unfinished by an error is still closed, so the device is not left busy.
  if (painter_.isActive()) painter_.end();
}

void PaintDevicePageSink::BeginDocument() {
  if (!painter_.begin(&device_))
    throw ProgramError("The printing could not be started: the printer or file is not available.");
  canvas_ = std::make_unique<QPainterCanvas>(painter_, device_.logicalDpiY());
  pages_ = 1;
  if (recording_) {
    *recording_ = RecordingCanvas(PageWidth(), PageHeight());
    recording_->BeginPage(pages_, PageWidth(), PageHeight());
    tee_ = std::make_unique<TeeCanvas>(*canvas_, *recording_);
  }
}

Canvas& PaintDevicePageSink::PageCanvas() {
  if (tee_) return *tee_;
  return *canvas_;
}

int PaintDevicePageSink::PageWidth() const {
  return device_.width();
}

int PaintDevicePageSink::PageHeight() const {
  return device_.height();
}

void PaintDevicePageSink::NewPage() {
  if (!device_.newPage()) throw ProgramError("The printer could not start a new page.");
  ++pages_;
  if (recording_) recording_->BeginPage(pages_, PageWidth(), PageHeight());
}

void PaintDevicePageSink::EndDocument() {
  if (!painter_.end()) throw ProgramError("The printing could not be finished.");
}

}  // namespace varnloft
