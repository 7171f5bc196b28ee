#pragma once
// The texts the member drawings and the notes share: a member's lumber size, an angle with its
// rafter-square setting, and the plain number texts of angles and counts.
#include <string>

#include "design/design_record.h"

namespace varnloft {

// "(2 X 4)" for a member whose actual width is one of the standard lumber widths (0.75, 1.5,
// 2.5, 3.5, 5.5, 7.25, 9.25 or 11.25 in); any other width, and every width while a model scale
// is on, is written as a length.
std::string MemberSizeLabel(const DesignRecord& rec, float widthFeet);

// "31.0°  is  7   3/16\"    on 12 using a rafter square." (metric: "... 183 mm   on  305 mm
// using a rafter square."): the rise over one foot (305 mm) of run. The rise is always the
// full-size one: a rafter square has full-size marks whatever the scale of the model.
std::string AngleSquareText(const DesignRecord& rec, float degrees);

// An angle with one decimal and at most three significant digits: "31.0", "21.6", "5.0".
std::string AngleText(float degrees);
// A count without decimals: "6".
std::string CountText(double count);

}  // namespace varnloft
