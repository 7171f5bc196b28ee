#pragma once
// One full-size template: the end of the board drawn on paper at true size (or at the model's
// size), with its two long edges, the cut line and, thin and grey, the square across the board
// for reference. Drawn along the page or, turned a quarter, down it.
#include "packet/angled_cuts.h"
#include "packet/figure.h"

namespace varnloft {

struct TemplatePaper {
  // Pixels per inch of paper; a template drawn smaller than true size to fit a page is drawn
  // whole at a smaller resolution, margins, stub and pens included.
  double dotsPerInch = 600;
  double pixelsPerFoot = 0;  // of the full-size board on paper: 12 x dpi, times any scale
  bool imperial = true;      // the stub beyond the cut: 2 in, or 50 mm
};

// The template's figure: the board runs across the page, its cut end on the right, or with
// `upright` down the page, its cut end at the bottom (turned, never mirrored).
Figure CutTemplateFigure(const AngledCut& cut, const TemplatePaper& paper, bool upright);

}  // namespace varnloft
