#pragma once
// The one start-up fixture of the app and widget tests: a main window on plain state with
// scripted message boxes, a clock fixed at a known time and a shell that opens nothing,
// started as the program starts it.
#include <functional>
#include <string>

#include "app/design_commands.h"
#include "app/main_window.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"
#include "tests/app/scripted_window_calls.h"

namespace varnloft {

// Monday 7 December 2026 at 09:05:07.
inline constexpr LocalDateTime kStartTime{2026, 12, 7, 9, 5, 7, 1};

// The window with its services, not yet started: a Qt window can be put on it first, whose
// own showing then runs the activation.
struct ScriptedMainWindow {
  explicit ScriptedMainWindow(LocalDateTime now = kStartTime)
      : clock(now), w(prompts, clock, shell) {
    w.SetCalls(calls);
  }

  // The program's start: the window is created, then activated, which presses Design.
  void Start() {
    w.StartUp();
    w.HandleUserEvent([this] { w.design().Activate(); });
  }
  // One user event through the main window's error boundary.
  bool Run(const std::function<void()>& handler) { return w.HandleUserEvent(handler); }
  const std::string& Text(const std::string& control) const { return w.form.Text(control); }

  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  ScriptedWindowCalls calls;  // before the window, which may call them until it is gone
  MainWindow w;
};

// Started, with the design views drawn and the prints started counted.
struct StartedWindow : ScriptedMainWindow {
  explicit StartedWindow(LocalDateTime now = kStartTime) : ScriptedMainWindow(now) {
    calls.drawDesignView = [this] { ++designViews; };
    calls.printPlans = [this] { ++prints; };
    Start();
  }

  int designViews = 0;
  int prints = 0;
};

}  // namespace varnloft
