#pragma once
// The lumber thickness dialog and the model-building scale dialog on plain state. Their controls
// live in the main window's form state as "thicknessDialog.inches", "scaleDialog.percentage", ...;
// the controls "thicknessDialog" and "scaleDialog" stand for the dialogs themselves (visible while
// open). The Qt dialogs, the headless driver and the tests run the same handlers.
#include <functional>
#include <string>

#include "app/form_state.h"
#include "app/option_dialog_controls.h"

namespace varnloft {

class MainWindow;

// The lumber thickness dialog (ThicknessDialogWindow): inches and sixteenths in both measures.
class ThicknessDialog {
 public:
  explicit ThicknessDialog(MainWindow& window) : w_(window) {}

  bool IsOpen() const;
  // The main window is disabled and the dialog shown.
  void Show();

  void InchesChange();
  void SixteenthsChange();
  void PressOk();
  void PressCancel();
  // Closed without OK or Cancel (close request, system command): the main window is enabled
  // again and nothing else changes.
  void CloseRequest();

  // Writes the two boxes (the presets, Cancel); the change handler of each box whose text
  // changes runs, and a change made while the dialog is closed is not the user's.
  void SetBoxes(const std::string& inches, const std::string& sixteenths);
  // The user changed the text of "inches" or "sixteenths" to `text` (one key typed, or a
  // deletion).
  void UserChange(const std::string& box, const std::string& text);

 private:
  std::string& Text(const char* control);
  void RunChange(const char* box);
  void FillEmptyBoxes();
  void UpdateMillimetres();
  void Close();

  MainWindow& w_;
};

// The model-building scale dialog (ScaleDialogWindow): a percentage of full size.
class ScaleDialog {
 public:
  explicit ScaleDialog(MainWindow& window) : w_(window) {}

  bool IsOpen() const;
  // The main window is disabled and the dialog shown (and activated).
  void Show();

  void ShowExamples();     // the two worked examples in the current measure
  void ResetPercentage();  // back to 21.4 as the dialog closes
  void PercentageChange();
  void PressHelp();    // help
  void PressCancel();  // cancel
  void PressOk();      // OK
  // Closed by its close box or a system command: as Cancel.
  void CloseRequest();

  // The user changed the text of Select to `text`.
  void UserChange(const std::string& text);

 private:
  std::string& Text(const char* control);
  void Close();

  MainWindow& w_;
};

// Runs one event of an option dialog through the main window's error boundary. When the event
// closed the dialog, the main window is active again: `activate` runs, by default the main
// window's activation as a user event. Returns true when the dialog closed.
bool RunDialogEvent(MainWindow& window, const std::string& dialog,
                    const std::function<void()>& handler,
                    const std::function<void()>& activate = {});

// The user selects the whole text of a dialog's box and types `text`, each key one event (an
// empty text deletes the selection); `change` is the box's change by the user with its new text.
// Typing stops when an event closed the dialog.
void TypeIntoDialogBox(MainWindow& window, const std::string& dialog, const std::string& box,
                       const std::string& text,
                       const std::function<void(const std::string&)>& change);

}  // namespace varnloft
