#pragma once
// The main window's behaviour on plain state: every handler works on the form state and the
// design record, so the Qt window, the headless driver and the tests run the same code.
#include <functional>
#include <string>

#include "app/form_state.h"
#include "design/design_record.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/shell.h"

namespace varnloft {

// Outward calls whose windows live elsewhere; unset hooks do nothing.
struct MainWindowHooks {
  std::function<void()> drawAngleReport;      // into the Illustrations window's picture
  std::function<void()> drawDesignView;       // into the main window's picture
  std::function<void()> showPlans;            // draws the plan sheet and shows it modally
  std::function<void()> printPlans;           // asks for a printer and prints
  std::function<void()> printerSetup;         // the page set-up dialog
  std::function<void()> showAbout;            // modal
  std::function<void()> showIllustrations;    // not modal
  std::function<void()> closeMainWindow;      // ends the program
  std::function<void()> showThicknessDialog;  // the lumber thickness dialog, not modal
  std::function<void()> showScaleDialog;      // the model-building scale dialog, not modal
  std::function<void()> showMaterials;        // the Materials window, not modal
  // After every design, whether it succeeded or stopped on an error: the Materials window lists
  // the new design's materials, or says they cannot be listed.
  std::function<void()> listMaterials;
};

class MainWindow {
 public:
  MainWindow(Prompts& prompts, const Clock& clock, Shell& shell, LocaleTexts locale = {});

  FormState form;
  DesignRecord rec;
  MainWindowHooks hooks;

  // Runs one user event: any error it raises ends the whole action and is shown in the general
  // error box; the program goes on. Returns false when the action failed.
  bool HandleUserEvent(const std::function<void()>& handler);

  // Start-up and activation.
  void FormCreate();
  void FormActivate();

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

  // Lumber sizes: a click on a green label Label25..Label31 brings its size box back; Label21
  // explains end caps.
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

  const LocalDateTime& StartDate() const { return startDate_; }
  Prompts& prompts() { return prompts_; }
  const LocaleTexts& locale() const { return locale_; }
  const Clock& clock() const { return clock_; }

  // Names of the Pre-Settings menu items, in menu order (the ten presets, then Custom Design).
  static const std::vector<std::string>& PresetMenuItems();
  std::string CheckedPresetCaption() const;
  void CheckOnlyPresetItem(const std::string& item);

 private:
  void BuildControls();

  Prompts& prompts_;
  const Clock& clock_;
  Shell& shell_;
  LocaleTexts locale_;
  LocalDateTime startDate_;
};

bool IsEditBox(const std::string& name);
bool IsComboBox(const std::string& name);

}  // namespace varnloft
