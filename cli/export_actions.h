#pragma once
// The driver's exports: --export-packet writes the build packet as File > Export > Build packet
// does, and --export-svg writes the design view, the plan sheet or the materials' cutting
// diagrams as an SVG file.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/materials_setup.h"
#include "cli/cli_action.h"
#include "cli/view_actions.h"
#include "platform/qt/pdf_file.h"

namespace varnloft {

class CliExports {
 public:
  // A file that cannot be written is reported through `writeError` (the first one is kept). The
  // packet and the materials picture list the materials with `materials`' settings (--kerf,
  // --trim, --stock).
  CliExports(MainWindow& window, CliPictures& pictures, std::string& writeError,
             const MaterialsSetup& materials);

  // --page: the paper of the packet (the last --page counts).
  void UsePaperOf(const std::vector<CliAction>& actions);
  // Runs an export action; false when the action is not one of these.
  bool Apply(const CliAction& action);

 private:
  void ExportPacket(const std::string& file);
  void ExportSvg(const std::string& what, const std::string& file);
  void ReportWriteError(const std::string& error);

  MainWindow& window_;
  CliPictures& pictures_;
  std::string& writeError_;
  const MaterialsSetup& materials_;
  PaperSize paper_ = PaperSize::Letter;
};

const std::vector<std::string>& ExportOptionsWithArgument();

// Throws UsageError for a bad file extension or an unknown picture.
void ValidateExportAction(const CliAction& action);

}  // namespace varnloft
