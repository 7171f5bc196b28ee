#pragma once
// The driver's plans: the Plans button with Save and Close, the Print button printing to a PDF
// file, and the plan sheet and printed pages written as --ops files at the end.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "cli/cli_action.h"
#include "platform/qt/pdf_file.h"
#include "platform/qt/picture.h"
#include "platform/recording_canvas.h"

namespace varnloft {

class CliPlans {
 public:
  // A file that cannot be written is reported through `writeError`.
  CliPlans(MainWindow& window, std::string& writeError);

  // --page: the paper of every print of the run (the last --page counts).
  void UsePaperOf(const std::vector<CliAction>& actions);

  // Runs a plans action; false when the action is not one of these.
  bool Apply(const CliAction& action);

  // After the last action: an --ops plan file whose run saved no plan gets the sheet drawn as
  // Plans draws it, and an --ops print file whose run printed no PDF gets a press of Print
  // into a throwaway PDF.
  void Conclude();

  // Writes the plan and print --ops files; false (with a message) when one cannot be written.
  bool WriteOpsFiles(std::string& error) const;

  // What Plans and Print do in the driver: the sheet drawn as the plans window shows it; the
  // printed plans into --print-pdf's file (or a throwaway one).
  void ShowPlans();
  void PrintPlansToPdf();

  Picture sheet;  // the plans window's picture
  RecordingCanvas sheetOps;
  RecordingCanvas printOps;

 private:
  // Draws the plan sheet of the last design into `sheet`, as Plans draws it.
  void DrawSheet();
  void ReportWriteError(const std::string& error);

  MainWindow& window_;
  std::string& writeError_;
  PaperSize paper_ = PaperSize::Letter;
  std::string planOpsFile_, printOpsFile_;
  std::string saveTarget_;  // the file of the --save-plan being run
  std::string pdfTarget_;   // the file of the --print-pdf being run
  bool planSaved_ = false, pdfPrinted_ = false;
};

const std::vector<std::string>& PlanOptionsWithArgument();

// Throws UsageError for a bad file extension or paper name.
void ValidatePlanAction(const CliAction& action);

}  // namespace varnloft
