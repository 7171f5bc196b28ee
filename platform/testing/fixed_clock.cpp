#include "platform/testing/fixed_clock.h"

namespace varnloft {

LocalDateTime FixedClock::Now() const {
  return t_;
}

}  // namespace varnloft
