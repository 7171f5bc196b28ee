#pragma once
// The build packet's Safety page: the check of the design in a sentence, the words that it is an
// estimate, and each check's figure, limit, margin, source and result.
#include <string>
#include <vector>

#include "packet/packet_pages.h"
#include "safety/safety_rows.h"

namespace varnloft {

// Draws the section; returns its pages.
int DrawSafetyPages(const std::string& verdict, const std::vector<SafetyRow>& rows,
                    PacketPages& pages);

}  // namespace varnloft
