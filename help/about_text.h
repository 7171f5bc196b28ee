#pragma once
// The About window's text: eleven lines, rebuilt from the current notice line each time.
#include <string>
#include <vector>

namespace varnloft {

inline constexpr char kOtherProgramsLine[] =
    "Tellwick Deck Planner, Tellwick Stair Planner and Tellwick Shed Planner";

std::vector<std::string> AboutLines(const std::string& noticeText);

}  // namespace varnloft
