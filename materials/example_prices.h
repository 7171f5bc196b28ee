#pragma once
// Whether a price in the stock table is still the example the program ships with, so that the
// lists can label it as an example rather than a price the user put in.
#include <optional>
#include <string>

namespace varnloft {

// True when the price is the example price of that stock length or hardware item.
bool IsExamplePrice(const std::string& lumber, double length, const std::optional<double>& price,
                    bool imperial);
bool IsExampleHardwarePrice(const std::string& item, int pack, const std::optional<double>& price,
                            bool imperial);

}  // namespace varnloft
