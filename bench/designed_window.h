#pragma once
// The main window's plain state with the built-in design, started and activated as the program
// starts (which designs it), on a fixed clock: what the plans and the packet are drawn from.
#include "app/design_commands.h"
#include "app/main_window.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft {

struct DesignedWindow {
  DesignedWindow() : clock(LocalDateTime{2007, 1, 5, 9, 5, 7, 5}), window(prompts, clock, shell) {
    window.StartUp();
    window.HandleUserEvent([this] { window.design().Activate(); });
  }
  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow window;
};

}  // namespace varnloft
