#pragma once
// How the sheet and the printed page differ in colour and type: the sheet sets its navy pen and
// maroon text and keeps one font size; the printer keeps its black and uses three sizes.
#include "drawing/figure_layout.h"
#include "platform/canvas.h"

namespace varnloft {

struct PlanStyle {
  bool setsColours = true;
  // Font sizes in points; kKeepFontSize leaves the canvas's size as it is.
  int widthLabelFontSize = kKeepFontSize;  // the table-top width over the cross-section
  int textFontSize = kKeepFontSize;        // every other text of the views and the notes
  int labelFontSize = kKeepFontSize;       // the members' dimension labels, second leg line
  int captionFontSize = kKeepFontSize;     // the members' captions
  double boltRadius = 1.0 / 32;            // feet, the bolt circles and the members' holes
};

inline constexpr PlanStyle kSheetStyle{};
inline constexpr PlanStyle kPrintedStyle{false, 8, 10, 8, 10, 1.0 / 32};

// Sets font sizes, skipping kKeepFontSize and a size the canvas already has from this sizer.
class FontSizer {
 public:
  explicit FontSizer(Canvas& canvas) : canvas_(canvas) {}
  void Use(int points) {
    if (points == kKeepFontSize || points == current_) return;
    canvas_.SetFontSize(points);
    current_ = points;
  }
  // A figure has set the canvas to this size itself (nothing changed for kKeepFontSize).
  void Assume(int points) {
    if (points != kKeepFontSize) current_ = points;
  }

 private:
  Canvas& canvas_;
  int current_ = kKeepFontSize;
};

}  // namespace varnloft
