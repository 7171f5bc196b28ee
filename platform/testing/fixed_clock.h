#pragma once
// A clock that stands still at a set time, so that dates in titles, notices and plan names are
// known beforehand. Used by the tests and by the headless driver's --now.
#include "platform/clock.h"

namespace varnloft {

class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalDateTime t) : t_(t) {}
  LocalDateTime Now() const override;
  void Set(LocalDateTime t) { t_ = t; }

 private:
  LocalDateTime t_;
};

}  // namespace varnloft
