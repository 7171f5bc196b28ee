// The lumber thickness dialog's handlers.
#include <cmath>
#include <stdexcept>

#include "app/main_window.h"
#include "app/option_dialogs.h"
#include "measure/errors.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

constexpr double kMillimetresPerInch = 25.4;

}  // namespace

std::string& ThicknessDialog::Text(const char* control) {
  return w_.form.Text(DialogControl(kThicknessDialog, control));
}

bool ThicknessDialog::IsOpen() const {
  return w_.form.at(kThicknessDialog).visible;
}

void ThicknessDialog::Show() {
  w_.form.mainWindowEnabled = false;
  w_.form.at(kThicknessDialog).visible = true;
  w_.calls().ShowThicknessDialog();
}

void ThicknessDialog::FillEmptyBoxes() {
  for (const char* box : {"inches", "sixteenths"}) {
    ControlState& c = w_.form.at(DialogControl(kThicknessDialog, box));
    if (c.text.empty()) {
      c.text.push_back('0');
      c.cursor = 1;  // the user goes on typing after the 0
    }
  }
}

void ThicknessDialog::UpdateMillimetres() {
  const double inches = ReadNumber(Text("inches"));
  const double sixteenths = ReadNumber(Text("sixteenths"));
  Text("millimetres") = FixedText((inches + sixteenths / 16) * kMillimetresPerInch, 0, 4);
}

void ThicknessDialog::InchesChange() {
  FillEmptyBoxes();
  UpdateMillimetres();
  // Only the user changes the boxes while the dialog is open; the presets write them while it
  // is closed, and their thickness is no custom design.
  if (IsOpen()) w_.rec.CustomDesignMode = true;
}

void ThicknessDialog::SixteenthsChange() {
  FillEmptyBoxes();
  UpdateMillimetres();
}

void ThicknessDialog::RunChange(const char* box) {
  if (std::string(box) == "inches")
    InchesChange();
  else
    SixteenthsChange();
}

void ThicknessDialog::SetBoxes(const std::string& inches, const std::string& sixteenths) {
  // Both boxes get their new text before either change handler reads them, so that a text that
  // is not a number, left in one box, cannot stop the program from setting both.
  const bool inchesChange = Text("inches") != inches;
  const bool sixteenthsChange = Text("sixteenths") != sixteenths;
  Text("inches") = inches;
  Text("sixteenths") = sixteenths;
  if (inchesChange) InchesChange();
  if (sixteenthsChange) SixteenthsChange();
}

void ThicknessDialog::UserChange(const std::string& box, const std::string& text) {
  if (box != "inches" && box != "sixteenths")
    throw std::invalid_argument(box + " is not a box of the thickness dialog");
  const char* name = box == "inches" ? "inches" : "sixteenths";
  Text(name) = text;
  RunChange(name);
}

void ThicknessDialog::PressOk() {
  FillEmptyBoxes();
  const double inches = ReadNumber(Text("inches"));
  const double sixteenths = ReadNumber(Text("sixteenths"));
  const float thickness = static_cast<float>(inches / 12 + sixteenths / 12 / 16);
  if (!std::isfinite(thickness)) {
    throw ProgramError("A lumber thickness of " + Text("inches") + " inches and " +
                       Text("sixteenths") + " sixteenths is too large for a table design.");
  }
  w_.rec.LumberThickness = thickness;
  Close();
}

void ThicknessDialog::PressCancel() {
  FillEmptyBoxes();
  SetBoxes("1", "8");
  w_.rec.LumberThickness = 0.125f;
  Close();
}

void ThicknessDialog::CloseRequest() {
  Close();
}

void ThicknessDialog::Close() {
  w_.form.mainWindowEnabled = true;
  w_.form.at(kThicknessDialog).visible = false;
}

}  // namespace varnloft
