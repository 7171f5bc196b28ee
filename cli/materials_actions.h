#pragma once
// The driver's materials: --kerf, --trim and --stock change the materials settings of the
// measure in force where they stand on the command line (a refused value is shown as the
// Materials window shows it, in an error box, and changes nothing); --materials FILE and
// --ops materials=FILE are written at the end of the run from the last design, as the Materials
// window would list it then. The driver starts from the default settings every time and never
// reads or writes the settings the program keeps.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/materials_setup.h"
#include "cli/cli_action.h"
#include "materials/materials.h"

namespace varnloft {

// The width of the cutting diagram the --ops materials trace draws, in pixels.
inline constexpr int kMaterialsOpsWidth = 800;

class CliMaterials {
 public:
  // Error boxes go to `prompts`, as the window's message boxes.
  CliMaterials(MainWindow& window, Prompts& prompts);

  // Runs a materials action; false when the action is not one of these.
  bool Apply(const CliAction& action);

  // After the run: the materials of the last design into every --materials file and the
  // --ops materials file; false (with a message) when one cannot be written.
  bool WriteFiles(std::string& error) const;

  const MaterialsSetup& setup() const { return setup_; }

 private:
  MainWindow& window_;
  Prompts& prompts_;
  MaterialsSetup setup_;
  std::vector<std::string> files_;  // --materials, in order
  std::string opsFile_;
};

const std::vector<std::string>& MaterialsOptionsWithArgument();

// True for --materials, --kerf, --trim, --stock and --ops materials=FILE.
bool IsMaterialsAction(const CliAction& action);

// Throws UsageError for a --materials file that is not .json or .csv, or an empty --ops file.
void ValidateMaterialsAction(const CliAction& action);

// The --help text of these options.
std::string MaterialsHelpText();

}  // namespace varnloft
