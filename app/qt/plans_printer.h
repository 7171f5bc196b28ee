#pragma once
// The program's one printer: File > Printer Setup sets its page, and Print asks for the printer
// and prints the plans on it, so the page set-up is kept for every later print.
#include <QPrinter>
#include <QWidget>

#include "design/design_record.h"
#include "plans/plan_context.h"

namespace varnloft {

class PlansPrinter {
 public:
  PlansPrinter();

  // The page set-up dialog: paper, orientation, margins.
  void Setup(QWidget* parent);
  // The print dialog; on OK the plans are printed, on Cancel nothing happens. Refuses (throws
  // ProgramError) before the dialog while the last calculation failed, and passes on the
  // printer's errors.
  void Print(QWidget* parent, DesignRecord& record, const PlanContext& context);

  QPrinter& printer() { return printer_; }

 private:
  QPrinter printer_;
};

}  // namespace varnloft
