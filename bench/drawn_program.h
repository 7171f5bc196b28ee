#pragma once
// The main window's behaviour as the program runs it for the benchmarks: started and activated
// with a 1920 x 1080 window, drawing the design view and the angle report into real pictures.
#include <functional>

#include "app/design_commands.h"
#include "app/main_window.h"
#include "design/angle_report.h"
#include "drawing/design_view.h"
#include "platform/qt/picture.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft {

struct DrawnProgram : WindowCalls {
  DrawnProgram()
      : clock(LocalDateTime{2026, 12, 7, 9, 0, 0, 1}),
        window(prompts, clock, shell),
        view(1920 - 8, 1080 - 300),
        angles(518, 237) {
    window.form.windowWidth = 1920;
    window.form.windowHeight = 1080;
    window.SetCalls(*this);
    window.StartUp();
    window.HandleUserEvent([&] { window.design().Activate(); });
  }
  void DrawDesignView() override {
    view.Draw([this](Canvas& c) { varnloft::DrawDesignView(window.rec, c, 1920, 1080); });
  }
  void DrawAngleReport() override {
    angles.Draw([this](Canvas& c) { varnloft::DrawAngleReport(window.rec, c); });
  }
  // One user action; the boxes it showed are forgotten.
  void Run(const std::function<void()>& action) {
    window.HandleUserEvent(action);
    prompts.shown.clear();
  }
  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow window;
  Picture view;
  Picture angles;
};

}  // namespace varnloft
