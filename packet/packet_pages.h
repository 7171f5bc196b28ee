#pragma once
// The build packet's own pages (materials, cutting diagrams, templates, assembly) on the page
// sink of the whole document: a narrow margin inside the printable area, a header naming the
// section and the plan, and a footer with the page's number in the whole document. Sizes are
// in device pixels at the page's resolution, so that lengths on paper come out true.
#include <string>

#include "platform/page_sink.h"

namespace varnloft {

// Font sizes of the packet's pages, in points.
inline constexpr int kPacketTitlePoints = 14;
inline constexpr int kPacketHeadingPoints = 11;
inline constexpr int kPacketTextPoints = 9;
inline constexpr int kPacketSmallPoints = 8;

class PacketPages {
 public:
  // `documentPages` pages are already in the document (the printed plans); `totalPages` is the
  // number the whole document will have, 0 while it is not known yet.
  PacketPages(PageSink& sink, int dotsPerInch, std::string planName, int documentPages,
              int totalPages);

  // Starts a new page of the document for `section`, draws its header and footer and leaves
  // the text font, black, at kPacketTextPoints.
  void StartPage(const std::string& section);

  Canvas& canvas() { return sink_.PageCanvas(); }
  int DotsPerInch() const { return dpi_; }
  double Inches(double inches) const { return inches * dpi_; }
  double Millimetres(double mm) const { return mm / 25.4 * dpi_; }
  double Points(double points) const { return points * dpi_ / 72.0; }
  // The distance from one text line to the next at this font size.
  double LineStep(int points) const { return Points(points * 1.4); }

  // The area between the header and the footer, inside the margins.
  double Left() const { return margin_; }
  double Right() const { return sink_.PageWidth() - margin_; }
  double Top() const;
  double Bottom() const;
  double Width() const { return Right() - Left(); }

  int DocumentPages() const { return documentPages_; }
  const std::string& PlanName() const { return planName_; }

  // Sets the font size and black text and pen of width `penWidth`.
  void UseText(int points, int penWidth = 1);

 private:
  PageSink& sink_;
  int dpi_;
  std::string planName_;
  int documentPages_;
  int totalPages_;
  double margin_;
};

}  // namespace varnloft
