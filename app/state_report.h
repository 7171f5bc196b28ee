#pragma once
// The JSON report of the main window: the design record, the controls and the boxes shown.
// The headless driver prints it; the program writes it for its end-to-end tests.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/prompts.h"

namespace varnloft {

std::string RecordJson(const DesignRecord& rec);
std::string ControlsJson(const MainWindow& window);
std::string DialogsJson(const std::vector<ShownBox>& shown);
std::string ReportJson(const MainWindow& window, const std::vector<ShownBox>& shown);

}  // namespace varnloft
