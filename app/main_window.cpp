#include "app/main_window.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "app/design_reading.h"
#include "app/input_boxes.h"
#include "app/option_dialog_controls.h"
#include "app/panel_layout.h"
#include "app/preset_menu.h"
#include "design/preset_table.h"
#include "measure/errors.h"
#include "platform/web_address.h"

namespace varnloft {

namespace {

const char* const kTitle = "Tellwick Picnic Tables Varnloft       ";

}  // namespace

bool IsEditBox(const std::string& name) {
  const auto& names = EditBoxNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsComboBox(const std::string& name) {
  const auto& names = ComboBoxNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

MainWindow::MainWindow(Prompts& prompts, const Clock& clock, Shell& shell, LocaleTexts locale)
    : prompts_(prompts), clock_(clock), shell_(shell), locale_(std::move(locale)) {
  // The hidden calendar takes the date once, when the window is created.
  startDate_ = clock_.Now();
  rec.ThousandsSeparator = locale_.thousandsSeparator;
  BuildControls();
  AddOptionDialogControls(form);
}

void MainWindow::BuildControls() {
  // The input boxes with the built-in design's texts: lengths in columns of feet, inches and
  // sixteenths; each lumber row a size box, a width box and the green label over the size box.
  for (const auto& entry : InputBoxTable()) {
    const std::vector<std::string> texts = DefaultTexts(*entry.input, true);
    switch (entry.input->unit) {
      case InputUnit::Length:
      case InputUnit::ShortLength: {
        const int firstLeft = entry.input->unit == InputUnit::Length
                                  ? panel::kFirstLengthBox
                                  : panel::kImperialColumns.secondLengthBox;
        for (size_t slot = 0; slot < entry.boxes.size(); ++slot) {
          ControlState box;
          box.text = texts[slot];
          box.left = firstLeft + panel::kLengthBoxStep * static_cast<int>(slot);
          box.width = panel::kImperialColumns.lengthBoxWidth;
          form.Add(entry.boxes[slot], box);
        }
        break;
      }
      case InputUnit::LumberWidth: {
        ControlState size;
        size.text = texts[0];
        size.items = *entry.listItems;
        size.left = panel::kLumberColumn;
        size.width = panel::kSizeBoxWidth;
        form.Add(entry.SizeBox(), size);
        ControlState width;
        width.text = texts[1];
        width.left = panel::kWidthBox;
        width.width = panel::kWidthBoxWidth;
        form.Add(entry.WidthBox(), width);
        ControlState label;
        label.visible = false;
        label.left = panel::kLumberColumn;
        label.color = Rgb{0, 128, 0};
        label.hint = "Click to Reset";
        form.Add(entry.greenLabel, label);
        break;
      }
      case InputUnit::Count: {
        ControlState count;
        count.text = texts[0];
        count.items = *entry.listItems;
        count.left = panel::kLumberColumn;
        count.width = panel::kCountBoxWidth;
        form.Add(entry.boxes[0], count);
        break;
      }
    }
  }

  // Headings and notes.
  auto label = [&](const char* name, const char* caption, int left, Rgb color) -> ControlState& {
    ControlState c;
    c.text = caption;
    c.left = left;
    c.color = color;
    return form.Add(name, c);
  };
  label("feetHeading", "feet", panel::kImperialColumns.feetHeading, kMaroon);
  label("inchesHeading", "inches", panel::kImperialColumns.inchesHeading, kMaroon);
  label("sixteenthsHeading", "16ths", panel::kSixteenthsHeading, kMaroon);
  label("lumberSizeHeading", "lumber size", panel::kLumberColumn, kMaroon);
  label("widthHeading", "inches", panel::kImperialColumns.widthHeading, kMaroon);
  label("thicknessLabel", "", panel::kNotesColumn, Rgb{0, 128, 0});
  label("endCapCaption", "End Cap Size", panel::kLumberCaption, kBlue).hint =
      "Only Applies to the Top Deck";
  label("greenTextNote",
        "Click on the green text under the \"lumber size\" heading for more options.",
        panel::kNotesColumn, Rgb{0, 128, 0});
  label("webAddress", kMakerWebAddress, panel::kNotesColumn, kMaroon);

  ControlState radio1;
  radio1.text = "Support Members on the Exterior side";
  radio1.checked = true;
  radio1.color = kRed;
  form.Add("exteriorSupports", radio1);
  ControlState radio2;
  radio2.text = "Support Members on the Interior side";
  radio2.color = kBlue;
  form.Add("interiorSupports", radio2);

  const char* buttons[][2] = {{"imperialButton", "Imperial"},
                              {"metricButton", "Metric"},
                              {"designButton", "Design"},
                              {"plansButton", "Plans"},
                              {"printButton", "Print"}};
  for (auto& b : buttons) {
    ControlState c;
    c.text = b[1];
    c.color = kMaroon;
    c.enabled = std::string(b[0]) != "imperialButton" && std::string(b[0]) != "metricButton";
    form.Add(b[0], c);
  }

  // Menus. Items whose windows are not built yet start disabled.
  auto menu = [&](const char* name, const char* caption, bool enabled) -> ControlState& {
    ControlState c;
    c.text = caption;
    c.enabled = enabled;
    return form.Add(name, c);
  };
  menu("File1", "&File", true);
  menu("PrinterSetup1", "Printer Setup", true);
  menu("Exit1", "E&xit", true);
  menu("PreSettings1", "&Pre-Settings", true);
  for (size_t i = 0; i < PresetMenuItems().size(); ++i)
    menu(PresetMenuItems()[i].c_str(), PresetMenuCaptions()[i].c_str(), true);
  form.at("AdultStandard1").checked = true;
  menu("Options1", "&Options", true);
  menu("LumberThickness2", "&Lumber Thickness", true);
  menu("UserDefinedPercentageSetting1", "User Defined Percentage Setting", true);
  menu(kModelScaleMenuItem, kModelScaleMenuCaption, true);
  menu("View1", "&View", true);
  menu("Materials1", "&Materials\xE2\x80\xA6", true);
  menu("Help1", "&Help", true);
  menu("About2", "&About", true);
  menu("Illustrations1", "&Illustrations", true);
}

std::string MainWindow::CheckedPresetCaption() const {
  return varnloft::CheckedPresetCaption(form);
}

bool MainWindow::HandleUserEvent(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const ProgramError& e) {
    prompts_.ShowError(e.what());
  } catch (const std::exception& e) {
    // Anything else is a fault of ours; still report it rather than lose the user's work.
    prompts_.ShowError(std::string("Unexpected error: ") + e.what());
  }
  return false;
}

void MainWindow::StartUp() {
  rec.ImperialUnits = true;
  rec.LumberThickness = 0.125f;
  form.Text("thicknessLabel") = "( " + rec.FormatLength(rec.LumberThickness) + " )";
  form.statusPanel0Width = form.windowWidth / 2;
  form.statusPanel0 = "Adult Standard Size Table";
  form.statusPanel1 = kVersionStatusText;
  rec.TitleText = kTitle + FormatLongDate(startDate_, locale_);
  form.caption = "   " + rec.TitleText;
  startUp_ = Snapshot();
}

void MainWindow::DesignCycle() {
  try {
    CalculateFromWindow(form, rec, prompts_, [this] { calls().DrawAngleReport(); });
  } catch (...) {
    // The record now says the calculation failed: the following windows show that too.
    calls().DesignChanged();
    throw;
  }
  calls().DrawDesignView();
  calls().DesignChanged();
}

}  // namespace varnloft
