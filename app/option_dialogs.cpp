#include "app/option_dialogs.h"

#include "app/main_window.h"

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
  add(kThicknessDialog, "Label1", "Change Lumber  Depth to  ........", kWhite);
  add(kThicknessDialog, "Label2", "inches", kWhite);
  add(kThicknessDialog, "Label3", "16ths", kWhite);
  add(kThicknessDialog, "Edit1", "1", kBlack);
  add(kThicknessDialog, "Edit2", "8", kBlack);
  add(kThicknessDialog, "Label4", "mm", kLime);
  add(kThicknessDialog, "Label5", "38", kLime);
  add(kThicknessDialog, "OKBtn", "OK", kBlack);
  add(kThicknessDialog, "CancelBtn", "Cancel", kBlack, "Default will be 1.5\"  (38mm)");

  ControlState scale;
  scale.text = " Table   Model   Building   Tool";
  scale.visible = false;
  scale.color = kMaroon;
  form.Add(kScaleDialog, scale);
  add(kScaleDialog, "Label1", "Select  the  resizing  %  of your  choice", kWhite);
  add(kScaleDialog, "StaticText1", "", kLime);
  add(kScaleDialog, "StaticText2", "", kLime);
  add(kScaleDialog, "Select", "21.4 ", kBlack, "Enter % larger than 5");
  add(kScaleDialog, "StaticText3", "%", kWhite);
  add(kScaleDialog, "BitBtn1", "&Help", kBlack);
  add(kScaleDialog, "BitBtn2", "Cancel", kBlack);
  add(kScaleDialog, "BitBtn3", "OK", kBlack);
}

bool RunDialogEvent(MainWindow& window, const std::string& dialog,
                    const std::function<void()>& handler, const std::function<void()>& activate) {
  const bool wasOpen = window.form.at(dialog).visible;
  window.HandleUserEvent(handler);
  const bool closed = wasOpen && !window.form.at(dialog).visible;
  if (closed) {
    if (activate)
      activate();
    else
      window.HandleUserEvent([&] { window.Activate(); });
  }
  return closed;
}

void TypeIntoDialogBox(MainWindow& window, const std::string& dialog, const std::string& box,
                       const std::string& text,
                       const std::function<void(const std::string&)>& change) {
  if (text.empty()) {
    RunDialogEvent(window, dialog, [&] { change(""); });
    return;
  }
  const std::string control = DialogControl(dialog, box);
  for (size_t i = 0; i < text.size() && window.form.at(dialog).visible; ++i) {
    // The first key replaces the selected text; the others go on at the end of the box, where a
    // handler's "0" leaves the cursor.
    const std::string typed = (i == 0 ? std::string() : window.form.Text(control)) + text[i];
    RunDialogEvent(window, dialog, [&] { change(typed); });
  }
}

}  // namespace varnloft
