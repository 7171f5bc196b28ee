#pragma once
// Printing into a PDF file: 600 dots per inch, US Letter or A4, the page being the printable
// area inside the default margins. The document is written to a temporary file beside the
// target and takes its place only when it is complete.
#include <functional>
#include <string>

#include "platform/page_sink.h"
#include "platform/recording_canvas.h"

namespace varnloft {

enum class PaperSize { Letter, A4 };

inline constexpr int kPdfDotsPerInch = 600;

// What the document says of itself: its paper, title and creator.
struct PdfDocumentInfo {
  PaperSize paper = PaperSize::Letter;
  std::string title;
  std::string creator = "Tellwick Picnic Tables Varnloft";
};

// Runs `print` on a page sink that writes `path`. The recording, when given, receives every
// call with the page ops. Returns an empty text on success, or the message when the file
// cannot be written. Errors thrown by `print` pass through, and the file is then not written.
std::string PrintToPdfFile(const std::string& path, PaperSize paper, RecordingCanvas* recording,
                           const std::function<void(PageSink&)>& print);
// The same with the document's title and creator.
std::string PrintToPdfFile(const std::string& path, const PdfDocumentInfo& info,
                           RecordingCanvas* recording, const std::function<void(PageSink&)>& print);

}  // namespace varnloft
