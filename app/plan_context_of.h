#pragma once
// The plans' view of the main window: its status text, calendar date, locale and clock.
#include "app/main_window.h"
#include "plans/plan_context.h"

namespace varnloft {

inline PlanContext PlanContextOf(const MainWindow& window) {
  return PlanContext{window.form.statusPanel0, window.StartDate(), window.locale(),
                     &window.clock()};
}

}  // namespace varnloft
