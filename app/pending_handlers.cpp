// Handlers whose behaviour arrives with the measuring-system, preset and option work. Their
// buttons and menu items stay disabled until then, except Metric, which does nothing yet.
#include "app/main_window.h"

namespace varnloft {

void MainWindow::ImperialClick() {}
void MainWindow::MetricClick() {}
void MainWindow::PresetClick(const std::string& item) {
  if (item == "CustomDesign1") CustomDesign1Click();
}
void MainWindow::LumberThickness2Click() {}
void MainWindow::UserDefinedPercentageSetting1Click() {}
void MainWindow::MinitureModelTables214reductionofactualsize1Click() {}

}  // namespace varnloft
