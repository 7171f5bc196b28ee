#include "platform/web_address.h"

#include <cstdio>

namespace varnloft {

std::string NoticeTextForYear(int year) {
  char yearText[16];
  std::snprintf(yearText, sizeof yearText, "%04d", year);
  return std::string("Copyright (c) ") + yearText + " Tellwick Picnic Tables. All rights reserved.";
}

}  // namespace varnloft
