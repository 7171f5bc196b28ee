#pragma once
// The printed plans begin and end a document of their own; in the build packet they are pages of
// a larger one. This sink hands their pages on to the packet's document, which is already begun:
// their beginning starts a new page unless the document's current page is still empty, and their
// end leaves the document open for the next section.
#include "platform/page_sink.h"

namespace varnloft {

class SectionPageSink : public PageSink {
 public:
  // `document` must have been begun. When `onCurrentPage` is set, the section's first page is
  // the document's current (empty) page.
  SectionPageSink(PageSink& document, bool onCurrentPage)
      : document_(document), onCurrentPage_(onCurrentPage) {}

  void BeginDocument() override;
  Canvas& PageCanvas() override { return document_.PageCanvas(); }
  int PageWidth() const override { return document_.PageWidth(); }
  int PageHeight() const override { return document_.PageHeight(); }
  void NewPage() override;
  void EndDocument() override {}

  int Pages() const { return pages_; }

 private:
  PageSink& document_;
  bool onCurrentPage_;
  int pages_ = 0;
};

}  // namespace varnloft
