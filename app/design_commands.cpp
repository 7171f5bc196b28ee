// The main window's design handlers.
#include "app/design_commands.h"

#include <stdexcept>

#include "app/input_boxes.h"
#include "app/preset_commands.h"
#include "platform/web_address.h"

namespace varnloft {

void DesignCommands::Activate() {
  // An option dialog's step takes in the design that its closing brings about.
  struct EndsDialogStep {
    MainWindow& w;
    // Ending the step throws only when a control or a row of the input boxes' table is missing
    // by name (FormState::at), a fault of the program that ends it whichever way it goes.
    ~EndsDialogStep() { w.EndDialogStep(); }  // NOLINT(bugprone-exception-escape)
  } endsDialogStep{w_};
  w_.rec.SupportsExterior = w_.form.at("exteriorSupports").checked;
  PressDesign();
  w_.rec.NoticeText = NoticeTextForYear(w_.StartDate().year);
}

void DesignCommands::PressDesign() {
  if (w_.rec.CustomDesignMode) w_.presets().ChooseCustomDesign();
  w_.DesignCycle();
  w_.form.at("designButton").color = kMaroon;
}

void DesignCommands::PressPlans() {
  w_.prompts().Beep();
  w_.calls().ShowPlans();
  w_.form.at("plansButton").color = kMaroon;
}

void DesignCommands::PressPrint() {
  PressDesign();
  w_.form.at("printButton").color = kMaroon;
  w_.calls().PrintPlans();
}

void DesignCommands::ButtonMouseDown(const std::string& button) {
  w_.form.at(button).color = kRed;
}

void DesignCommands::SupportSideMouseDown(const std::string& radioButton) {
  w_.form.at(radioButton).color = kRed;
}

void DesignCommands::SupportSideChanged() {
  ControlState& one = w_.form.at("exteriorSupports");
  ControlState& two = w_.form.at("interiorSupports");
  if (one.checked) {
    w_.rec.SupportsExterior = true;
    one.color = kRed;
    two.color = kBlue;
  } else if (two.checked) {
    w_.rec.SupportsExterior = false;
    one.color = kBlue;
    two.color = kRed;
  }
  w_.DesignCycle();
}

void DesignCommands::ClickSupportSide(const std::string& radioButton) {
  MainWindow::StepScope step(
      w_, radioButton == "exteriorSupports" ? "Support Side: Exterior" : "Support Side: Interior");
  ControlState& clicked = w_.form.at(radioButton);
  if (clicked.checked || !clicked.enabled) return;  // clicking the checked button does nothing
  SupportSideMouseDown(radioButton);
  w_.form.at("exteriorSupports").checked = radioButton == "exteriorSupports";
  w_.form.at("interiorSupports").checked = radioButton == "interiorSupports";
  SupportSideChanged();
}

void DesignCommands::BoxKeyPress(const std::string& /*box*/, char /*key*/) {
  w_.rec.CustomDesignMode = true;
}

void DesignCommands::ListItemClicked(const std::string& /*box*/) {
  w_.rec.CustomDesignMode = true;
}

void DesignCommands::TypeIntoBox(const std::string& box, const std::string& text) {
  MainWindow::StepScope step(w_, w_.BoxStepName("Typing", box));
  ControlState& control = w_.form.at(box);
  if (!control.enabled || !control.visible) return;
  if (IsEditBox(box)) {
    control.text.clear();
    for (char ch : text) {
      BoxKeyPress(box, ch);
      w_.form.at(box).text += ch;
    }
  } else if (IsComboBox(box)) {
    // An editable combo box reports every change of its text as the user types.
    control.text.clear();
    for (size_t n = 1; n <= text.size(); ++n) {
      w_.form.at(box).text = text.substr(0, n);
      ComboBoxChange(box);
    }
  } else {
    throw std::invalid_argument(box + " is not an input box");
  }
}

void DesignCommands::ChooseItem(const std::string& box, const std::string& item) {
  MainWindow::StepScope step(w_, w_.BoxStepName("Choice", box));
  ControlState& control = w_.form.at(box);
  if (!control.enabled || !control.visible) return;
  ListItemClicked(box);
  w_.form.at(box).text = item;
  ComboBoxChange(box);
}

void DesignCommands::HoverWebAddress() {
  w_.form.at("webAddress").color = kRed;
}
void DesignCommands::LeaveWebAddress() {
  w_.form.at("webAddress").color = kMaroon;
}
void DesignCommands::OpenWebAddress() {
  w_.shell().OpenWebAddress(kMakerWebAddress);
}

}  // namespace varnloft
