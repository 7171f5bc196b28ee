#pragma once
// The hardware's item names, as the stock table and the hardware list both spell them.
#include <string>

namespace varnloft {

// " × " between the sizes of an item, and between the factors of a count.
inline constexpr const char* kTimesSign = " \xC3\x97 ";

// A size in the hardware's own units: "4 in", "100 mm".
std::string HardwareSizeText(double feet, bool imperial);

std::string CarriageBoltName(double diameterFeet, double lengthFeet, bool imperial);
std::string WasherName(double diameterFeet, bool imperial);
std::string NutName(double diameterFeet, bool imperial);
std::string ScrewName(double lengthFeet, bool imperial);

}  // namespace varnloft
