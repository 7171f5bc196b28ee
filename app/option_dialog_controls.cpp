#include "app/option_dialog_controls.h"

namespace varnloft {

namespace {

constexpr Rgb kLime{0, 255, 0};

}  // namespace

std::string DialogControl(const std::string& dialog, const std::string& control) {
  return dialog + "." + control;
}

void AddOptionDialogControls(FormState& form) {
  auto add = [&](const char* dialog, const char* name, const char* text, Rgb color,
                 const char* hint = "") {
    ControlState c;
    c.text = text;
    c.color = color;
    c.hint = hint;
    form.Add(DialogControl(dialog, name), c);
  };
  // The dialogs themselves: closed at start; the text is the caption, the colour the background.
  ControlState thickness;
  thickness.visible = false;
  thickness.color = kMaroon;
  form.Add(kThicknessDialog, thickness);
  add(kThicknessDialog, "caption", "Change Lumber  Depth to  ........", kWhite);
  add(kThicknessDialog, "inchesHeading", "inches", kWhite);
  add(kThicknessDialog, "sixteenthsHeading", "16ths", kWhite);
  add(kThicknessDialog, "inches", "1", kBlack);
  add(kThicknessDialog, "sixteenths", "8", kBlack);
  add(kThicknessDialog, "millimetresHeading", "mm", kLime);
  add(kThicknessDialog, "millimetres", "38", kLime);
  add(kThicknessDialog, "ok", "OK", kBlack);
  add(kThicknessDialog, "cancel", "Cancel", kBlack, "Default will be 1.5\"  (38mm)");

  ControlState scale;
  scale.text = " Table   Model   Building   Tool";
  scale.visible = false;
  scale.color = kMaroon;
  form.Add(kScaleDialog, scale);
  add(kScaleDialog, "caption", "Select  the  resizing  %  of your  choice", kWhite);
  add(kScaleDialog, "example1", "", kLime);
  add(kScaleDialog, "example2", "", kLime);
  add(kScaleDialog, "percentage", "21.4 ", kBlack, "Enter % larger than 5");
  add(kScaleDialog, "percentSign", "%", kWhite);
  add(kScaleDialog, "help", "&Help", kBlack);
  add(kScaleDialog, "cancel", "Cancel", kBlack);
  add(kScaleDialog, "ok", "OK", kBlack);
}

}  // namespace varnloft
