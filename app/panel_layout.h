#pragma once
// Where the input panel's controls stand, in pixels from the left edge of its grid: the one
// description of the panel's columns. The form state takes its controls' places from here, and
// the Qt window puts each widget where the form state says.
namespace varnloft::panel {

// The columns of the lengths and the width boxes, which the measure changes: the headings over
// them, where a length's second box stands (the inches, or the millimetres) and how wide the
// length boxes are.
struct MeasureColumns {
  int feetHeading;
  int inchesHeading;
  int widthHeading;
  int secondLengthBox;
  int lengthBoxWidth;
};
inline constexpr MeasureColumns kImperialColumns{118, 160, 560, 160, 40};
inline constexpr MeasureColumns kMetricColumns{125, 200, 570, 180, 60};

// A length's boxes in the imperial measure: feet, inches, sixteenths, one step apart.
inline constexpr int kFirstLengthBox = 112;
inline constexpr int kLengthBoxStep = 48;
inline constexpr int kSixteenthsHeading = 208;

// The lumber column: its heading, the size boxes, the green labels under them and the counts.
inline constexpr int kLumberColumn = 480;
inline constexpr int kSizeBoxWidth = 70;
inline constexpr int kCountBoxWidth = 50;
inline constexpr int kWidthBox = 560;
inline constexpr int kWidthBoxWidth = 40;
// The lumber rows' captions (the end-cap row's explains end caps when clicked).
inline constexpr int kLumberCaption = 300;
// The thickness label, the note on the green labels and the maker's web address.
inline constexpr int kNotesColumn = 612;

}  // namespace varnloft::panel
