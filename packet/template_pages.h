#pragma once
// The full-size templates' pages. Every page starts with the calibration square (4 in, or
// 100 mm in metric measure) and the note to print at 100 %; below it the templates follow one
// another, each with its caption, as many to a page as fit. A template too large for a page is
// tiled over up to four pages that overlap and carry alignment marks; a larger one is drawn
// scaled down to fit one page and marked NOT FULL SIZE.
#include <vector>

#include "design/design_record.h"
#include "packet/packet_pages.h"

namespace varnloft {

enum class TemplateFit { Whole, Tiled, Scaled };

struct PlacedTemplate {
  TemplateFit fit = TemplateFit::Whole;
  bool upright = false;       // turned to run down the page
  int firstPage = 0;          // in the whole document
  int columns = 1, rows = 1;  // of the tiles
  double scale = 1;           // on paper against its true (or model) size
};

// Draws the template pages of the design's angled cuts (none when it has none).
std::vector<PlacedTemplate> DrawTemplatePages(const DesignRecord& rec, PacketPages& pages);

// The calibration square's side in inches: 4, or 100 mm in metric measure.
double CalibrationSquareInches(bool imperial);

}  // namespace varnloft
