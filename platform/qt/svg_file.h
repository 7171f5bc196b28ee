#pragma once
// Pictures written as SVG files: the drawing functions of the screen pictures draw through the
// QPainter canvas onto a QSvgGenerator, one SVG unit a pixel at 96 dots per inch, so a line
// stays a line and a text stays selectable text. The file is written to a temporary file beside
// the target and takes its place only when it is complete.
#include <functional>
#include <string>

#include "platform/canvas.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/recording_canvas.h"

namespace varnloft {

struct SvgPicture {
  int width = 1, height = 1;  // pixels
  std::string title;          // the document's title
  CanvasSettings start;       // the pen and font the drawing starts from
};

// Draws `draw` on a canvas of the picture's size into the SVG file `path`; the recording, when
// given, receives the same calls (it is cleared first). Returns an empty text on success, or
// the message naming the file and the reason when it cannot be written (the target is then
// left as it was). Errors thrown by `draw` pass through, and the file is then not written.
std::string WriteSvgFile(const std::string& path, const SvgPicture& picture,
                         const std::function<void(Canvas&)>& draw,
                         RecordingCanvas* recording = nullptr);

}  // namespace varnloft
