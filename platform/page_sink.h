#pragma once
// Where printed pages go: a printer, a PDF file, or a recording for tests and --ops files. The
// printed plans draw through this and never learn which one it is.
#include "platform/canvas.h"

namespace varnloft {

class PageSink {
 public:
  virtual ~PageSink() = default;

  // Starts the document with its first page. Throws ProgramError when it cannot be started.
  virtual void BeginDocument() = 0;
  // The canvas of the current page, valid from BeginDocument to EndDocument. It is the same
  // canvas on every page and keeps its pen and font across a new page.
  virtual Canvas& PageCanvas() = 0;
  // The printable area of a page in device pixels; the canvas's origin is its top-left corner.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual void NewPage() = 0;
  // Finishes the document and hands it on. Throws ProgramError when that fails.
  virtual void EndDocument() = 0;
};

}  // namespace varnloft
