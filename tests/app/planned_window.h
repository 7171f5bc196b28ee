#pragma once
// A main window on plain state, started as the program starts, whose Plans button draws the
// plan sheet into a recording and whose Print button prints into a recording page sink.
#include <memory>
#include <string>

#include "app/design_commands.h"
#include "app/kept_plan_values.h"
#include "app/plan_context_of.h"
#include "plans/plan_sheet.h"
#include "plans/printed_plans.h"
#include "platform/recording_canvas.h"
#include "platform/recording_page_sink.h"
#include "tests/app/started_window.h"
#include "tests/support/printed_pages.h"

namespace varnloft::testing {

struct PlannedWindow : ScriptedMainWindow {
  // 5 January 2007 at 09:05:07, a Friday.
  explicit PlannedWindow(LocalDateTime now = {2007, 1, 5, 9, 5, 7, 5}) : ScriptedMainWindow(now) {
    calls.showPlans = [this] {
      sheet = RecordingCanvas(kPlanSheetWidth, kPlanSheetHeight);
      ++plansShown;
      KeepPlanValues(w.rec, DrawPlanSheet(w.rec, sheet, PlanContextOf(w)).values);
    };
    calls.printPlans = [this] {
      ++printsStarted;
      pages = std::make_unique<RecordingPageSink>(kLetterWidth, kLetterHeight);
      KeepPlanValues(w.rec, PrintPlans(w.rec, *pages, PlanContextOf(w)).values);
    };
    Start();
  }

  bool PressPlans() {
    return Run([this] { w.design().PressPlans(); });
  }
  bool PressPrint() {
    return Run([this] { w.design().PressPrint(); });
  }

  RecordingCanvas sheet{kPlanSheetWidth, kPlanSheetHeight};
  std::unique_ptr<RecordingPageSink> pages;
  int plansShown = 0, printsStarted = 0;
};

}  // namespace varnloft::testing
