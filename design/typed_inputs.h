#pragma once
// Typing one text into a design input: the box texts of its slots that the text stands for, as
// if the builder had filled the boxes by hand in the current measure.
#include <string>
#include <string_view>
#include <vector>

#include "design/design_inputs.h"

namespace varnloft {

// The texts of all of the input's slots (SlotCount(input.unit)) for a typed text, in the given
// measure. Slots the measure hides get "0", as a blank box reads.
//
// Length and ShortLength inputs read the text with ReadTypedLength (design/typed_length.h),
// which takes every length text FormatLength prints in that measure. A number with no mark is in
// the input's largest box: feet for a Length, inches for a ShortLength, millimetres in metric.
// The length is written as whole feet, inches and sixteenths (metres and millimetres), the last
// box decimal only when the length is not on a sixteenth (a millimetre): "6' 2 1/2"" gives
// "6", "2", "8"; "1.85 m" gives "1", "850". A length below zero, or of a million million inches
// (millimetres) and more, goes whole into the largest box, so no box loses its digits.
//
// A lumber input takes a size of its list, blanks and case aside ("2x8" is "2 X 8"): the size
// box gets the listed name and the width box that size's width, as choosing it does. Otherwise
// the text is the actual width, a length as above with a bare number in inches (millimetres):
// the width box gets it in decimal inches (millimetres), and the size box the listed size of
// that width, or the width text itself when no size has it, as the metric presets write them.
//
// A count gets its text with the blanks around it taken off.
//
// A text none of these read is put as given into the first box the design reads, and "0" into
// every other: pressing Design then shows "'TEXT' is not a valid floating point value". An empty
// text so leaves that box blank, which the design reads as 0 like any blanked box.
std::vector<std::string> BoxTextsForTyped(const DesignInput& input, std::string_view text,
                                          bool imperial,
                                          const std::string& thousandsSeparator = ",");

}  // namespace varnloft
