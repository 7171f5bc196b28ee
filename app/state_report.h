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
// The design's file and history, as the title and the Edit menu show them:
//   "file": {"name": "a.varnloft", "modified": true},       name null while untitled
//   "history": {"undo": "Undo Preset: Tall Boy", "redo": null}   null when there is none
std::string DocumentJson(const MainWindow& window);
// The record, the controls and the boxes shown; with `withDocument`, the file and history too.
std::string ReportJson(const MainWindow& window, const std::vector<ShownBox>& shown,
                       bool withDocument = false);

}  // namespace varnloft
