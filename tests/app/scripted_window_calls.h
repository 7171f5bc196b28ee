#pragma once
// The windows around a main window as a test scripts them: each call runs the test's function
// when one is set, and otherwise does what no window does (nothing; the file dialogs cancel).
#include <functional>
#include <string>

#include "app/window_calls.h"

namespace varnloft {

struct ScriptedWindowCalls : WindowCalls {
  std::function<void()> drawDesignView, drawAngleReport, designChanged, showPlans, printPlans,
      showMaterials;
  std::function<std::string()> askOpenDesignFile;
  std::function<std::string(const std::string&)> askSaveDesignFile;
  std::function<void(const std::string&)> saveFailed;

  void DrawDesignView() override { Call(drawDesignView); }
  void DrawAngleReport() override { Call(drawAngleReport); }
  void DesignChanged() override { Call(designChanged); }
  void ShowPlans() override { Call(showPlans); }
  void PrintPlans() override { Call(printPlans); }
  void ShowMaterials() override { Call(showMaterials); }
  std::string AskOpenDesignFile() override { return askOpenDesignFile ? askOpenDesignFile() : ""; }
  std::string AskSaveDesignFile(const std::string& proposed) override {
    return askSaveDesignFile ? askSaveDesignFile(proposed) : "";
  }
  void SaveFailed(const std::string& error) override {
    if (saveFailed) saveFailed(error);
  }

 private:
  static void Call(const std::function<void()>& f) {
    if (f) f();
  }
};

}  // namespace varnloft
