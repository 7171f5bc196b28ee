#pragma once
// What the plans take from the main window besides the design record: the status text the
// plan is named after, the calendar date of the header, the locale's names, and the clock that
// stamps a custom design's name.
#include <string>

#include "design/design_record.h"
#include "platform/clock.h"

namespace varnloft {

struct PlanContext {
  std::string statusText;      // the first panel of the main window's status bar
  LocalDateTime calendarDate;  // the main window's calendar date
  LocaleTexts locale;
  const Clock* clock = nullptr;  // must be set
};

// Plans drawn from the record of a calculation that stopped on an error would mix the new
// inputs with the old results. Throws ProgramError with the message for `action` ("drawn",
// "printed") while the last calculation failed.
void RefuseIfDesignIncomplete(const DesignRecord& rec, const std::string& action);

}  // namespace varnloft
