// The model-building scale dialog's handlers.
#include <cmath>

#include "app/main_window.h"
#include "app/option_dialogs.h"
#include "measure/errors.h"
#include "measure/number_text.h"

namespace varnloft {

std::string& ScaleDialog::Text(const char* control) {
  return w_.form.Text(DialogControl(kScaleDialog, control));
}

bool ScaleDialog::IsOpen() const {
  return w_.form.at(kScaleDialog).visible;
}

void ScaleDialog::Show() {
  w_.form.mainWindowEnabled = false;
  w_.form.at(kScaleDialog).visible = true;
  ShowExamples();
  w_.calls().ShowScaleDialog();
}

void ScaleDialog::ShowExamples() {
  // Two worked examples in the current measure.
  if (w_.rec.ImperialUnits) {
    Text("example1") = "21.4 % reduces 3.5\" (2 X 4)  to 3/4\"";
    Text("example2") = "13.6 % reduces 5.5\" (2 X 6)  to 3/4\"";
  } else {
    Text("example1") = "21.4 % reduces 89 mm to 19 mm";
    Text("example2") = "13.6 % reduces 140 mm to 19 mm";
  }
}

void ScaleDialog::ResetPercentage() {
  Text("percentage") = "21.4";
}

void ScaleDialog::PercentageChange() {
  ControlState& select = w_.form.at(DialogControl(kScaleDialog, "percentage"));
  if (select.text == " ") {
    select.text = "0";
    select.cursor = 1;
  }
}

void ScaleDialog::PressHelp() {
  w_.prompts().Beep();
  w_.prompts().ShowInfo(
      "This option allows resizing (generally used for model building). Input your selection "
      "choice in the edit box and click the OK button.");
}

void ScaleDialog::PressCancel() {
  Close();
}

void ScaleDialog::PressOk() {
  // The percentage is checked before anything changes: the drawings divide by the factor, so a
  // factor of zero or less, or one a single cannot hold, must never become the design's.
  const std::string& text = Text("percentage");
  const double percentage = ReadNumber(text);
  const float factor = static_cast<float>(percentage / 100);
  if (!(percentage > 0)) {
    throw ProgramError("The resizing percentage must be greater than 0 ('" + text +
                       "' is not). Enter a percentage such as 21.4.");
  }
  if (!(factor > 0) || !std::isfinite(factor)) {
    throw ProgramError("'" + ShownText(text) +
                       "' is outside the resizing percentages a design can use.");
  }
  w_.rec.ModelScale = true;
  w_.rec.ScaleFactor = factor;
  w_.form.statusPanel0 = FixedText(static_cast<double>(w_.rec.ScaleFactor) * 100, 1, 3) +
                         "% of size shown in design panel above. ";
  w_.DesignCycle();
  Close();
}

void ScaleDialog::CloseRequest() {
  Close();
}

void ScaleDialog::UserChange(const std::string& text) {
  Text("percentage") = text;
  PercentageChange();
}

void ScaleDialog::Close() {
  w_.form.mainWindowEnabled = true;
  ResetPercentage();
  w_.form.at(kScaleDialog).visible = false;
}

}  // namespace varnloft
