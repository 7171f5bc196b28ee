#include "cli/plan_actions.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "app/design_commands.h"
#include "app/kept_plan_values.h"
#include "app/plan_context_of.h"
#include "plans/plan_sheet.h"
#include "plans/printed_plans.h"
#include "platform/atomic_write.h"
#include "platform/file_name.h"
#include "platform/qt/image_file.h"

namespace varnloft {

namespace {

// "plan=FILE" -> "plan"; empty when the argument is no such assignment.
std::string OpsName(const CliAction& action) {
  const auto eq = action.argument.find('=');
  return eq == std::string::npos ? "" : action.argument.substr(0, eq);
}

}  // namespace

CliPlans::CliPlans(MainWindow& window, std::string& writeError)
    : sheet(kPlanSheetWidth, kPlanSheetHeight), window_(window), writeError_(writeError) {}

void CliPlans::UsePaperOf(const std::vector<CliAction>& actions) {
  for (const auto& action : actions)
    if (action.option == "--page")
      paper_ = action.argument == "a4" ? PaperSize::A4 : PaperSize::Letter;
}

void CliPlans::ReportWriteError(const std::string& error) {
  AddWriteError(writeError_, error);
}

void CliPlans::DrawSheet() {
  sheet.Draw(
      [this](Canvas& canvas) {
        KeepPlanValues(window_.rec,
                       DrawPlanSheet(window_.rec, canvas, PlanContextOf(window_)).values);
      },
      &sheetOps);
}

void CliPlans::ShowPlans() {
  DrawSheet();
  // The window is shown; Save runs when the run asked for it, then Close, and the main
  // window becomes active again.
  if (!saveTarget_.empty()) {
    const std::string error = SaveImageFile(sheet.Image(), QString::fromStdString(saveTarget_));
    if (!error.empty()) ReportWriteError(error);
  }
  window_.HandleUserEvent([this] { window_.design().Activate(); });
}

void CliPlans::PrintPlansToPdf() {
  QTemporaryDir scratch;
  std::string target = pdfTarget_;
  if (target.empty()) {
    if (!scratch.isValid()) {
      ReportWriteError("no folder for a temporary PDF file");
      return;
    }
    target = QDir(scratch.path()).filePath("plans.pdf").toStdString();
  }
  const std::string error = PrintToPdfFile(target, paper_, &printOps, [this](PageSink& sink) {
    KeepPlanValues(window_.rec, PrintPlans(window_.rec, sink, PlanContextOf(window_)).values);
  });
  if (!error.empty()) ReportWriteError(error);
}

bool CliPlans::Apply(const CliAction& action) {
  MainWindow& w = window_;
  const bool mainWindowUsable = w.form.mainWindowEnabled;
  if (action.option == "--save-plan") {
    planSaved_ = true;
    if (!mainWindowUsable || !w.form.at("plansButton").enabled) return true;
    saveTarget_ = action.argument;
    w.design().ButtonMouseDown("plansButton");
    w.HandleUserEvent([&] { w.design().PressPlans(); });
    saveTarget_.clear();
  } else if (action.option == "--print-pdf") {
    pdfPrinted_ = true;
    if (!mainWindowUsable || !w.form.at("printButton").enabled) return true;
    pdfTarget_ = action.argument;
    w.design().ButtonMouseDown("printButton");
    w.HandleUserEvent([&] { w.design().PressPrint(); });
    pdfTarget_.clear();
  } else if (action.option == "--page") {
    // Taken for the whole run by UsePaperOf.
  } else if (action.option == "--ops" &&
             (OpsName(action) == "plan" || OpsName(action) == "print")) {
    const std::string file = action.argument.substr(action.argument.find('=') + 1);
    (OpsName(action) == "plan" ? planOpsFile_ : printOpsFile_) = file;
  } else {
    return false;
  }
  return true;
}

void CliPlans::Conclude() {
  MainWindow& w = window_;
  if (!planOpsFile_.empty() && !planSaved_) {
    w.HandleUserEvent([this] { DrawSheet(); });
  }
  if (!printOpsFile_.empty() && !pdfPrinted_ && w.form.mainWindowEnabled) {
    w.design().ButtonMouseDown("printButton");
    w.HandleUserEvent([&] { w.design().PressPrint(); });
  }
}

bool CliPlans::WriteOpsFiles(std::string& error) const {
  const std::pair<const std::string*, const RecordingCanvas*> files[] = {
      {&planOpsFile_, &sheetOps}, {&printOpsFile_, &printOps}};
  for (const auto& [file, ops] : files) {
    if (file->empty()) continue;
    if (std::string why = WriteFileAtomically(*file, ops->ToJsonLines()); !why.empty())
      AddWriteError(error, CannotWrite(*file, why));
  }
  return error.empty();
}

const std::vector<std::string>& PlanOptionsWithArgument() {
  static const std::vector<std::string> options = {"--save-plan", "--print-pdf", "--page"};
  return options;
}

void ValidatePlanAction(const CliAction& action) {
  if (action.option == "--save-plan") {
    if (!ImageFormatFor(action.argument))
      throw UsageError("--save-plan writes .bmp or .png files, not '" + action.argument + "'");
  } else if (action.option == "--print-pdf") {
    if (FileExtension(action.argument) != ".pdf")
      throw UsageError("--print-pdf writes .pdf files, not '" + action.argument + "'");
  } else if (action.option == "--page") {
    if (action.argument != "a4" && action.argument != "letter")
      throw UsageError("--page takes a4 or letter, not '" + action.argument + "'");
  }
}

}  // namespace varnloft
