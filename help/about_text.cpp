#include "help/about_text.h"

#include "platform/web_address.h"

namespace varnloft {

std::vector<std::string> AboutLines(const std::string& noticeText) {
  return {
      "Tellwick Picnic Tables Varnloft",
      "",
      "Designs Construction Plans for Picnic Tables using Standard Wood Framing Lumber",
      "",
      "Version 6.0.0.2. Revised January 27, 2007",
      noticeText,
      "",
      "Other design software includes",
      kOtherProgramsLine,
      "",
      kMakerWebAddress,
  };
}

}  // namespace varnloft
