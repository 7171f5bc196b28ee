#pragma once
// The built-in design as every front end designs it: its document designed on a fixed clock,
// with what the plans take from the window around it (the status text the plans are named
// after, the calendar date, the clock). What the plans are drawn from.
#include "design/design_record.h"
#include "document/design_cycle.h"
#include "document/design_document.h"
#include "plans/plan_context.h"
#include "platform/testing/fixed_clock.h"

namespace varnloft {

struct DesignedDocument {
  DesignedDocument() {
    DesignRecord previous;
    previous.ThousandsSeparator.assign(1, ',');
    const DesignOutcome outcome = Design(document, OverlapAnswer::Yes, previous);
    document = outcome.document;
    rec = outcome.record;
    designed = outcome.Designed();
  }
  PlanContext Context() const { return PlanContext{document.statusText, clock.Now(), {}, &clock}; }

  FixedClock clock{LocalDateTime{2007, 1, 5, 9, 5, 7, 5}};
  DesignDocument document = AdultStandardDocument(true);
  DesignRecord rec;
  bool designed = false;
};

}  // namespace varnloft
