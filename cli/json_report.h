#pragma once
// The driver's JSON document: the design record, the controls and the boxes shown.
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
