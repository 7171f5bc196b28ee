#pragma once
// Breaking a text into lines that fit a width. The canvas cannot measure text, so the width of a
// line is estimated from its characters at a generous average advance for Arial (and its metric
// twin Liberation Sans), which errs towards lines a little short of the width.
#include <string>
#include <vector>

namespace varnloft {

// The width of `text` (UTF-8) at `points`, in points: characters times the average advance.
double EstimatedTextWidth(const std::string& text, int points);

// Splits at blanks into lines of at most `widthPoints` by the estimate; a word longer than a line
// stands alone on its line. An empty text gives no lines.
std::vector<std::string> WrapText(const std::string& text, double widthPoints, int points);

}  // namespace varnloft
