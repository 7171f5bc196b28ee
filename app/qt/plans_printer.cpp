#include "app/qt/plans_printer.h"

#include <QPageSetupDialog>
#include <QPrintDialog>

#include "app/kept_plan_values.h"
#include "plans/printed_plans.h"
#include "platform/qt/paint_device_page_sink.h"
#include "platform/qt/pdf_file.h"

namespace varnloft {

PlansPrinter::PlansPrinter() : printer_(QPrinter::HighResolution) {
  // The plans are laid out for a printer of this resolution; the PDF output matches it.
  printer_.setResolution(kPdfDotsPerInch);
  printer_.setDocName("Picnic Table Plans");
}

void PlansPrinter::Setup(QWidget* parent) {
  QPageSetupDialog dialog(&printer_, parent);
  dialog.exec();
}

void PlansPrinter::Print(QWidget* parent, DesignRecord& record, const PlanContext& context) {
  RefuseIfDesignIncomplete(record, "printed");
  QPrintDialog dialog(&printer_, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (dialog.exec() != QDialog::Accepted) return;
  PaintDevicePageSink sink(printer_);
  KeepPlanValues(record, PrintPlans(record, sink, context).values);
}

}  // namespace varnloft
