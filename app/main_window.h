#pragma once
// The main window's behaviour on plain state: every handler works on the form state and the
// design record, so the Qt window, the headless driver and the tests run the same code.
#include <functional>
#include <optional>
#include <string>

#include "app/design_state.h"
#include "app/form_state.h"
#include "app/window_calls.h"
#include "app/window_snapshot.h"
#include "design/design_record.h"
#include "document/design_file.h"
#include "document/undo_history.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/shell.h"

namespace varnloft {

class DesignCommands;
class FileCommands;
class OptionCommands;
class PresetCommands;

// The main window's state and what every handler shares: the form and the record, the services,
// the error boundary of a user event, the design cycle, and the steps of the undo history. The
// handlers themselves are grouped by role, each a view of this window that its own header gives
// (app/design_commands.h, file_commands.h, option_commands.h, preset_commands.h):
//   window.design().PressDesign();  window.files().Undo();  window.presets().ApplyPreset(item);
class MainWindow {
 public:
  MainWindow(Prompts& prompts, const Clock& clock, Shell& shell, LocaleTexts locale = {});

  FormState form;
  DesignRecord rec;

  // The windows around this one; until set, none (nothing is shown, the file dialogs cancel).
  // `calls` must outlive this window or be replaced first.
  void SetCalls(WindowCalls& calls) { calls_ = &calls; }
  WindowCalls& calls() { return *calls_; }

  // The handlers by role.
  DesignCommands design();   // Design, Plans, Print, the boxes, the support side, activation
  FileCommands files();      // the File menu, Undo and Redo, typing as steps
  OptionCommands options();  // the Options, View and Help menus, Printer Setup and Exit
  PresetCommands presets();  // the Pre-Settings menu and the measuring systems

  // Runs one user event: any error it raises ends the whole action and is shown in the general
  // error box; the program goes on. Returns false when the action failed.
  bool HandleUserEvent(const std::function<void()>& handler);

  // The window is created: the start-up texts, and what New brings back.
  void StartUp();
  // One design cycle: the calculation, then the design view and the windows that follow.
  void DesignCycle();

  // The design's file and history.
  const std::string& DesignPath() const { return path_; }
  std::string DesignName() const;  // the file's name, "Untitled" before the first save
  bool IsModified() const;
  // "   NAME[*] - Tellwick Picnic Tables Varnloft ...": [*] marks unsaved changes.
  std::string WindowTitle() const;
  std::string UndoMenuText() const;  // "Undo Preset: Tall Boy", or "" with nothing to undo
  std::string RedoMenuText() const;
  // The caption of the checked Pre-Settings item, or "".
  std::string CheckedPresetCaption() const;

  // Runs the handlers called while it lives as one step (the driver's --type: a click on the
  // green label that brings the size box back, then the typing); a step inside another is part
  // of it.
  class StepScope {
   public:
    StepScope(MainWindow& window, const std::string& name);
    ~StepScope();
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

   private:
    MainWindow& w_;
  };
  // "Typing: Seat to Table Distance" for ("Typing", "seatToTableDistance.0").
  std::string BoxStepName(const char* verb, const std::string& box) const;

  const LocalDateTime& StartDate() const { return startDate_; }
  Prompts& prompts() { return prompts_; }
  Shell& shell() { return shell_; }
  const LocaleTexts& locale() const { return locale_; }
  const Clock& clock() const { return clock_; }

 private:
  // The handlers keep the history's steps and the design's file.
  friend class DesignCommands;
  friend class FileCommands;
  friend class OptionCommands;

  void BuildControls();

  // Steps of the undo history. An action's step begins before its first change and ends when
  // the action is over; a step that changed nothing the design file keeps is dropped.
  enum class StepKind { Action, Typing, Dialog };
  struct OpenStep {
    std::string name;
    StepKind kind;
    std::string box;  // the box of a typing step
    WindowSnapshot before;
    DesignDocument beforeState;
  };
  void BeginStep(const std::string& name, StepKind kind, const std::string& box = "");
  void EndStep();
  void EndDialogStep();  // after the activation that follows an option dialog
  WindowSnapshot Snapshot() const;
  void Restore(const WindowSnapshot& snapshot);  // without designing
  void Redraw();                                 // the angle report and the design view
  bool HasPendingChange() const;                 // a step under way has changed the design

  Prompts& prompts_;
  WindowCalls noCalls_;
  WindowCalls* calls_ = &noCalls_;
  const Clock& clock_;
  Shell& shell_;
  LocaleTexts locale_;
  LocalDateTime startDate_;

  std::optional<OpenStep> openStep_;
  int stepDepth_ = 0;
  UndoHistory<WindowSnapshot> history_;
  WindowSnapshot startUp_;  // after StartUp: what New brings back
  std::string path_;        // the design's file, empty while untitled
  KeptKeys kept_;           // the file's keys this version does not know
};

bool IsEditBox(const std::string& name);
bool IsComboBox(const std::string& name);

}  // namespace varnloft
