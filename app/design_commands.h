#pragma once
// The main window's design handlers: its activation, the Design, Plans and Print buttons, the
// input boxes, the support side, the lumber labels and the maker's web address.
#include <string>

#include "app/main_window.h"

namespace varnloft {

class DesignCommands {
 public:
  explicit DesignCommands(MainWindow& window) : w_(window) {}

  // The window becomes active (at start-up, after a dialog): the design is pressed.
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

  // The maker's web address label.
  void HoverWebAddress();
  void LeaveWebAddress();
  void OpenWebAddress();

 private:
  MainWindow& w_;
};

inline DesignCommands MainWindow::design() {
  return DesignCommands(*this);
}

}  // namespace varnloft
