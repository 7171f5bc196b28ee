#pragma once
// A main window on plain state, created and activated as at start-up, with scripted message
// boxes and a count of the design views drawn.
#include <functional>
#include <string>

#include "app/main_window.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft {

struct StartedWindow {
  StartedWindow() : clock(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}), w(prompts, clock, shell) {
    w.hooks.drawDesignView = [this] { ++designViews; };
    w.FormCreate();
    w.HandleUserEvent([this] { w.FormActivate(); });
  }

  // One user event through the main window's error boundary.
  bool Run(const std::function<void()>& handler) { return w.HandleUserEvent(handler); }
  const std::string& Text(const std::string& control) const { return w.form.Text(control); }

  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow w;
  int designViews = 0;
};

}  // namespace varnloft
