#include "app/main_window.h"

#include <exception>
#include <stdexcept>

#include "app/option_dialogs.h"
#include "design/calculate_design.h"
#include "measure/errors.h"
#include "platform/web_address.h"

namespace varnloft {

namespace {

struct MenuItem {
  const char* name;
  const char* caption;
};

// The Pre-Settings menu in order; the last is Custom Design.
const MenuItem kPresetMenu[] = {
    {"AdultStandard1", "Adult Standard"},
    {"AdultWheelchairOneEnd1", "Adult wheelchair one end"},
    {"Adultwheelchairbothends1", "Adult wheelchair both ends"},
    {"Adultecono1", "Adult econo"},
    {"TallBoy1", "Tall Boy"},
    {"Childrensupto7yearsold1", "Childrens  Standard"},
    {"Childrenswheelchaironeend1", "Childrens wheelchair one end"},
    {"Childrenswheelchairbothends1", "Childrens wheelchair both ends"},
    {"Childrensecono1", "Childrens econo"},
    {"BabyTable1", "Baby Table"},
    {"CustomDesign1", "Custom Design"},
};

const char* const kTitle = "Tellwick Picnic Tables Varnloft       ";

std::vector<std::string> Numbers(int from, int to) {
  std::vector<std::string> items;
  for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
  return items;
}

const std::vector<std::string> kBoardSizes = {"2 X 2", "2 X 3", "2 X 4",  "2 X 5",
                                              "2 X 6", "2 X 8", "2 X 10", "2 X 12"};
const std::vector<std::string> kFramingToSix = {"2 X 2", "2 X 3", "2 X 4", "2 X 5", "2 X 6"};
const std::vector<std::string> kFramingToEight = {"2 X 2", "2 X 3", "2 X 4",
                                                  "2 X 5", "2 X 6", "2 X 8"};
const std::vector<std::string> kEndCaps = {"NONE", "1 X 2", "2 X 2", "2 X 3", "2 X 4"};

}  // namespace

bool IsEditBox(const std::string& name) {
  if (name.rfind("Edit", 0) != 0 || name.size() < 5 || name.size() > 6) return false;
  for (size_t i = 4; i < name.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  int n = std::stoi(name.substr(4));
  return n >= 1 && n <= 28 && name[4] != '0';
}

bool IsComboBox(const std::string& name) {
  return name.size() == 9 && name.rfind("ComboBox", 0) == 0 && name[8] >= '1' && name[8] <= '9';
}

MainWindow::MainWindow(Prompts& prompts, const Clock& clock, Shell& shell, LocaleTexts locale)
    : prompts_(prompts), clock_(clock), shell_(shell), locale_(std::move(locale)) {
  // The hidden calendar takes the date once, when the window is created.
  calendar1_ = clock_.Now();
  rec.ThousandsSeparator = locale_.thousandsSeparator;
  BuildControls();
  AddOptionDialogControls(form);
}

void MainWindow::BuildControls() {
  auto edit = [&](const char* name, const char* text, int left) {
    ControlState c;
    c.text = text;
    c.left = left;
    c.width = 40;
    form.Add(name, c);
  };
  // Three-box rows: feet, inches, sixteenths.
  const char* threeBox[][4] = {{"Edit1", "Edit2", "Edit3", "6 0 0"},
                               {"Edit4", "Edit5", "Edit6", "2 5 8"},
                               {"Edit28", "Edit7", "Edit8", "1 5 8"}};
  const char* threeTexts[][3] = {{"6", "0", "0"}, {"2", "5", "8"}, {"1", "5", "8"}};
  for (int r = 0; r < 3; ++r) {
    edit(threeBox[r][0], threeTexts[r][0], 112);
    edit(threeBox[r][1], threeTexts[r][1], 160);
    edit(threeBox[r][2], threeTexts[r][2], 208);
  }
  // Two-box rows: inches and sixteenths.
  const char* twoBox[][4] = {{"Edit9", "Edit10", "3", "8"},  {"Edit13", "Edit14", "3", "8"},
                             {"Edit11", "Edit12", "3", "8"}, {"Edit15", "Edit16", "3", "8"},
                             {"Edit17", "Edit18", "3", "0"}, {"Edit19", "Edit20", "0", "4"}};
  for (auto& row : twoBox) {
    edit(row[0], row[2], 160);
    edit(row[1], row[3], 208);
  }
  // Lumber rows: size box, width box and the green label over the size box.
  struct LumberRow {
    const char* combo;
    const char* width;
    const char* label;
    const char* size;
    const char* widthText;
    const std::vector<std::string>* items;
  };
  const LumberRow lumber[] = {
      {"ComboBox1", "Edit21", "Label25", "2 X 6", "5.5", &kBoardSizes},
      {"ComboBox2", "Edit22", "Label26", "2 X 6", "5.5", &kBoardSizes},
      {"ComboBox3", "Edit23", "Label27", "2 X 4", "3.5", &kFramingToSix},
      {"ComboBox4", "Edit24", "Label28", "2 X 4", "3.5", &kFramingToEight},
      {"ComboBox5", "Edit25", "Label29", "2 X 4", "3.5", &kFramingToEight},
      {"ComboBox6", "Edit26", "Label30", "2 X 4", "3.5", &kFramingToSix},
      {"ComboBox7", "Edit27", "Label31", "NONE", "0", &kEndCaps},
  };
  for (const auto& row : lumber) {
    ControlState combo;
    combo.text = row.size;
    combo.items = *row.items;
    combo.width = 70;
    form.Add(row.combo, combo);
    ControlState width;
    width.text = row.widthText;
    width.left = 560;
    width.width = 40;
    form.Add(row.width, width);
    ControlState label;
    label.visible = false;
    label.color = Rgb{0, 128, 0};
    label.hint = "Click to Reset";
    form.Add(row.label, label);
  }
  ControlState deckCount;
  deckCount.text = "6";
  deckCount.items = Numbers(1, 15);
  form.Add("ComboBox8", deckCount);
  ControlState seatCount;
  seatCount.text = "2";
  seatCount.items = Numbers(1, 5);
  form.Add("ComboBox9", seatCount);

  // Headings and notes.
  auto label = [&](const char* name, const char* caption, int left, Rgb color) -> ControlState& {
    ControlState c;
    c.text = caption;
    c.left = left;
    c.color = color;
    return form.Add(name, c);
  };
  label("Label1", "feet", 118, kMaroon);
  label("Label2", "inches", 160, kMaroon);
  label("Label3", "16ths", 208, kMaroon);
  label("Label12", "lumber size", 480, kMaroon);
  label("Label13", "inches", 560, kMaroon);
  label("Label47", "", 610, Rgb{0, 128, 0});
  label("Label21", "End Cap Size", 0, kBlue).hint = "Only Applies to the Top Deck";
  label("Label24", "Click on the green text under the \"lumber size\" heading for more options.", 0,
        Rgb{0, 128, 0});
  label("Label32", kMakerWebAddress, 0, kMaroon);

  ControlState radio1;
  radio1.text = "Support Members on the Exterior side";
  radio1.checked = true;
  radio1.color = kRed;
  form.Add("RadioButton1", radio1);
  ControlState radio2;
  radio2.text = "Support Members on the Interior side";
  radio2.color = kBlue;
  form.Add("RadioButton2", radio2);

  const char* buttons[][2] = {{"Imperial", "Imperial"},
                              {"Metric", "Metric"},
                              {"BitBtn3", "Design"},
                              {"BitBtn4", "Plans"},
                              {"BitBtn5", "Print"}};
  for (auto& b : buttons) {
    ControlState c;
    c.text = b[1];
    c.color = kMaroon;
    c.enabled = std::string(b[0]) != "Imperial" && std::string(b[0]) != "Metric";
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
  for (const auto& item : kPresetMenu) menu(item.name, item.caption, true);
  form.at("AdultStandard1").checked = true;
  menu("Options1", "&Options", true);
  menu("LumberThickness2", "&Lumber Thickness", true);
  menu("UserDefinedPercentageSetting1", "User Defined Percentage Setting", true);
  menu("MinitureModelTables214reductionofactualsize1",
       "Miniture Model Tables   (21.4% reduction of actual size)   ", true);
  menu("Help1", "&Help", true);
  menu("About2", "&About", true);
  menu("Illustrations1", "&Illustrations", true);
}

const std::vector<std::string>& MainWindow::PresetMenuItems() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const auto& item : kPresetMenu) n.emplace_back(item.name);
    return n;
  }();
  return names;
}

std::string MainWindow::CheckedPresetCaption() const {
  for (const auto& name : PresetMenuItems())
    if (form.at(name).checked) return form.at(name).text;
  return "";
}

void MainWindow::CheckOnlyPresetItem(const std::string& item) {
  for (const auto& name : PresetMenuItems()) form.at(name).checked = (name == item);
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

void MainWindow::FormCreate() {
  rec.ImperialUnits = true;
  rec.LumberThickness = 0.125f;
  form.Text("Label47") = "( " + rec.FormatLength(rec.LumberThickness) + " )";
  form.statusPanel0Width = form.windowWidth / 2;
  form.statusPanel0 = "Adult Standard Size Table";
  form.statusPanel1 = "Complimentary Software and Plans Version 6.0.0.2.";
  rec.TitleText = kTitle + FormatLongDate(calendar1_, locale_);
  form.caption = "   " + rec.TitleText;
}

void MainWindow::FormActivate() {
  rec.SupportsExterior = form.at("RadioButton1").checked;
  BitBtn3Click();
  rec.NoticeText = NoticeTextForYear(calendar1_.year);
}

void MainWindow::DesignCycle() {
  CalculateDesign(form, rec, prompts_, hooks.drawAngleReport);
  if (hooks.drawDesignView) hooks.drawDesignView();
}

void MainWindow::BitBtn3Click() {
  if (rec.CustomDesignMode) CustomDesign1Click();
  DesignCycle();
  form.at("BitBtn3").color = kMaroon;
}

void MainWindow::BitBtn4Click() {
  prompts_.Beep();
  if (hooks.showPlans) hooks.showPlans();
  form.at("BitBtn4").color = kMaroon;
}

void MainWindow::BitBtn5Click() {
  BitBtn3Click();
  form.at("BitBtn5").color = kMaroon;
  if (hooks.printPlans) hooks.printPlans();
}

void MainWindow::ButtonMouseDown(const std::string& button) {
  form.at(button).color = kRed;
}

void MainWindow::RadioButton1MouseDown(const std::string& radioButton) {
  form.at(radioButton).color = kRed;
}

void MainWindow::RadioButton1Click() {
  ControlState& one = form.at("RadioButton1");
  ControlState& two = form.at("RadioButton2");
  if (one.checked) {
    rec.SupportsExterior = true;
    one.color = kRed;
    two.color = kBlue;
  } else if (two.checked) {
    rec.SupportsExterior = false;
    one.color = kBlue;
    two.color = kRed;
  }
  DesignCycle();
}

void MainWindow::ClickRadioButton(const std::string& radioButton) {
  ControlState& clicked = form.at(radioButton);
  if (clicked.checked || !clicked.enabled) return;  // clicking the checked button does nothing
  RadioButton1MouseDown(radioButton);
  form.at("RadioButton1").checked = radioButton == "RadioButton1";
  form.at("RadioButton2").checked = radioButton == "RadioButton2";
  RadioButton1Click();
}

void MainWindow::Edit1KeyPress(const std::string& /*box*/, char /*key*/) {
  rec.CustomDesignMode = true;
}

void MainWindow::ComboBox1Click(const std::string& /*box*/) {
  rec.CustomDesignMode = true;
}

void MainWindow::TypeIntoBox(const std::string& box, const std::string& text) {
  ControlState& control = form.at(box);
  if (!control.enabled || !control.visible) return;
  if (IsEditBox(box)) {
    control.text.clear();
    for (char ch : text) {
      Edit1KeyPress(box, ch);
      form.at(box).text += ch;
    }
  } else if (IsComboBox(box)) {
    // An editable combo box reports every change of its text as the user types.
    control.text.clear();
    for (size_t n = 1; n <= text.size(); ++n) {
      form.at(box).text = text.substr(0, n);
      ComboBoxChange(box);
    }
  } else {
    throw std::invalid_argument(box + " is not an input box");
  }
}

void MainWindow::ChooseItem(const std::string& box, const std::string& item) {
  ControlState& control = form.at(box);
  if (!control.enabled || !control.visible) return;
  ComboBox1Click(box);
  form.at(box).text = item;
  ComboBoxChange(box);
}

void MainWindow::CustomDesign1Click() {
  rec.CustomDesignMode = true;
  if (!rec.ModelScale) form.statusPanel0 = "Custom Design Table";
  CheckOnlyPresetItem("CustomDesign1");
}

void MainWindow::Exit1Click() {
  if (hooks.closeMainWindow) hooks.closeMainWindow();
}

void MainWindow::PrinterSetup1Click() {
  if (hooks.printerSetup) hooks.printerSetup();
}

void MainWindow::About2Click() {
  prompts_.Beep();
  if (hooks.showAbout) hooks.showAbout();
}

void MainWindow::Illustrations1Click() {
  prompts_.Beep();
  if (hooks.showIllustrations) hooks.showIllustrations();
}

void MainWindow::Label32MouseMove() {
  form.at("Label32").color = kRed;
}
void MainWindow::Panel3MouseMove() {
  form.at("Label32").color = kMaroon;
}
void MainWindow::Label32Click() {
  shell_.OpenWebAddress(kMakerWebAddress);
}

}  // namespace varnloft
