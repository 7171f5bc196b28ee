#pragma once
// The machine's local date and time.
#include "platform/clock.h"

namespace varnloft {

class SystemClock : public Clock {
 public:
  LocalDateTime Now() const override;
};

}  // namespace varnloft
