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

// What opening a design file found: an error (nothing changed) or a notice of missing keys.
struct FileOpening {
  bool opened = false;
  std::string error;   // "Cannot open \"a.varnloft\": ..."
  std::string notice;  // the keys that took the Adult Standard values, or empty
};

class MainWindow {
 public:
  MainWindow(Prompts& prompts, const Clock& clock, Shell& shell, LocaleTexts locale = {});

  FormState form;
  DesignRecord rec;

  // The windows around this one; until set, none (nothing is shown, the file dialogs cancel).
  // `calls` must outlive this window or be replaced first.
  void SetCalls(WindowCalls& calls) { calls_ = &calls; }
  WindowCalls& calls() { return *calls_; }

  // Runs one user event: any error it raises ends the whole action and is shown in the general
  // error box; the program goes on. Returns false when the action failed.
  bool HandleUserEvent(const std::function<void()>& handler);

  // Start-up and activation.
  void StartUp();
  void Activate();

  // Command buttons.
  void PressDesign();                               // Design
  void PressPlans();                                // Plans
  void PressPrint();                                // Print
  void ButtonMouseDown(const std::string& button);  // caption turns red while pressed

  // Support side.
  void SupportSideMouseDown(const std::string& radioButton);
  void SupportSideChanged();
  // The user clicks a radio button: checks it (if not already) and runs the click handler.
  void ClickSupportSide(const std::string& radioButton);

  // Input boxes.
  void BoxKeyPress(const std::string& box, char key);
  void ListItemClicked(const std::string& box);
  void ComboBoxChange(const std::string& box);
  // The user selects all of a box's text and types `text` one character at a time.
  void TypeIntoBox(const std::string& box, const std::string& text);
  // The user chooses an item from a combo box's list.
  void ChooseItem(const std::string& box, const std::string& item);

  // Lumber sizes: a click on a lumber row's green label brings its size box back; a click on the
  // end-cap row's caption explains end caps.
  void ShowLumberSizeBox(const std::string& label);
  void ExplainEndCaps();

  // Measuring systems.
  void SwitchToImperial();
  void SwitchToMetric();

  // Presets: the handler of the named Pre-Settings menu item (a preset or Custom Design).
  void ApplyPreset(const std::string& item);
  // 1 1/2 inch lumber, in the design and in the thickness dialog's boxes.
  void ResetLumberThickness();

  // Options.
  void ShowThicknessDialog();
  void ClickThicknessLabel();  // the thickness label: opens the thickness dialog too
  void ShowScaleDialog();
  void ToggleModelScale();

  // Menus.
  void ChooseCustomDesign();
  void Exit();
  void PrinterSetup();
  void ShowAbout();
  void ShowIllustrations();
  void ShowMaterials();  // View > Materials

  // The maker's web address label.
  void HoverWebAddress();
  void LeaveWebAddress();
  void OpenWebAddress();

  // One design cycle: the calculation, then the design view.
  void DesignCycle();

  // File menu (file_menu.cpp). New, Open and Exit ask first when the design has unsaved changes.
  void NewDesign();   // the built-in design, designed at once
  void OpenDesign();  // the file dialog, the file, then the activation that follows the dialog
  // A file of Open Recent: as Open without the dialog.
  void OpenRecentDesign(const std::string& path);
  // Reads a design file into the window without a question and without designing.
  FileOpening OpenDesignFile(const std::string& path);
  bool SaveDesign();    // to its file; an untitled design asks for one
  bool SaveDesignAs();  // asks for a file
  void RevertDesign();  // the file as saved, as one undoable step
  // "Save changes to NAME before closing?": true when the caller may go on (saved or
  // discarded), false on Cancel or when the save did not happen.
  bool ConfirmCloseDesign();
  const std::string& DesignPath() const { return path_; }
  std::string DesignName() const;  // the file's name, "Untitled" before the first save
  bool IsModified() const;
  // "   NAME[*] - Tellwick Picnic Tables Varnloft ...": [*] marks unsaved changes.
  std::string WindowTitle() const;

  // Edit menu and the steps it undoes (undo_steps.cpp).
  void Undo();
  void Redo();
  std::string UndoMenuText() const;  // "Undo Preset: Tall Boy", or "" with nothing to undo
  std::string RedoMenuText() const;
  // A box's text as the user typed it in the window (one key, a deletion, a paste): all of a
  // box's changes until the focus leaves it are one step.
  void BoxTextEdited(const std::string& box, const std::string& text);
  void BoxFocusLeft(const std::string& box);
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
  const LocaleTexts& locale() const { return locale_; }
  const Clock& clock() const { return clock_; }

  std::string CheckedPresetCaption() const;
  void CheckOnlyPresetItem(const std::string& item);

 private:
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
  void ActivateAfterDialog();
  void ShowOpening(const FileOpening& opening);
  bool SaveDesignTo(const std::string& path);
  void StartNewDocument(const std::string& path, KeptKeys kept);

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
