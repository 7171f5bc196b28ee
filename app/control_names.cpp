#include "app/control_names.h"

namespace varnloft {

// The names of the widgets of the plans window, and of the option dialogs' controls, are the part
// after the window's name and the full stop.
// clang-format off
const std::vector<ControlName>& ControlNames() {
  static const std::vector<ControlName> names = {
    {"overallLength.0", "Edit1"},
    {"overallLength.1", "Edit2"},
    {"overallLength.2", "Edit3"},
    {"tableHeight.0", "Edit4"},
    {"tableHeight.1", "Edit5"},
    {"tableHeight.2", "Edit6"},
    {"seatHeight.1", "Edit7"},
    {"seatHeight.2", "Edit8"},
    {"leftDeckOverhang.0", "Edit9"},
    {"leftDeckOverhang.1", "Edit10"},
    {"rightDeckOverhang.0", "Edit11"},
    {"rightDeckOverhang.1", "Edit12"},
    {"leftSeatOverhang.0", "Edit13"},
    {"leftSeatOverhang.1", "Edit14"},
    {"rightSeatOverhang.0", "Edit15"},
    {"rightSeatOverhang.1", "Edit16"},
    {"seatToTableDistance.0", "Edit17"},
    {"seatToTableDistance.1", "Edit18"},
    {"deckGap.0", "Edit19"},
    {"deckGap.1", "Edit20"},
    {"tableTopSize.1", "Edit21"},
    {"seatSize.1", "Edit22"},
    {"outerSupportSize.1", "Edit23"},
    {"centreSupportSize.1", "Edit24"},
    {"seatSupportSize.1", "Edit25"},
    {"legSize.1", "Edit26"},
    {"endCapSize.1", "Edit27"},
    {"seatHeight.0", "Edit28"},
    {"tableTopSize.0", "ComboBox1"},
    {"seatSize.0", "ComboBox2"},
    {"outerSupportSize.0", "ComboBox3"},
    {"centreSupportSize.0", "ComboBox4"},
    {"seatSupportSize.0", "ComboBox5"},
    {"legSize.0", "ComboBox6"},
    {"endCapSize.0", "ComboBox7"},
    {"deckBoardCount.0", "ComboBox8"},
    {"seatBoardCount.0", "ComboBox9"},
    {"tableTopSize.label", "Label25"},
    {"seatSize.label", "Label26"},
    {"outerSupportSize.label", "Label27"},
    {"centreSupportSize.label", "Label28"},
    {"seatSupportSize.label", "Label29"},
    {"legSize.label", "Label30"},
    {"endCapSize.label", "Label31"},
    {"feetHeading", "Label1"},
    {"inchesHeading", "Label2"},
    {"sixteenthsHeading", "Label3"},
    {"lumberSizeHeading", "Label12"},
    {"widthHeading", "Label13"},
    {"thicknessLabel", "Label47"},
    {"endCapCaption", "Label21"},
    {"greenTextNote", "Label24"},
    {"webAddress", "Label32"},
    {"exteriorSupports", "RadioButton1"},
    {"interiorSupports", "RadioButton2"},
    {"imperialButton", "Imperial"},
    {"metricButton", "Metric"},
    {"designButton", "BitBtn3"},
    {"plansButton", "BitBtn4"},
    {"printButton", "BitBtn5"},
    {"modelScaleItem", "MinitureModelTables214reductionofactualsize1"},
    {"inputPanel", "Panel1"},
    {"buttonPanel", "Panel2"},
    {"inputGrid", "Panel3"},
    {"designView", "Image1"},
    {"thicknessDialog", "OKRightDlg"},
    {"thicknessDialog.caption", "OKRightDlg.Label1"},
    {"thicknessDialog.inchesHeading", "OKRightDlg.Label2"},
    {"thicknessDialog.sixteenthsHeading", "OKRightDlg.Label3"},
    {"thicknessDialog.inches", "OKRightDlg.Edit1"},
    {"thicknessDialog.sixteenths", "OKRightDlg.Edit2"},
    {"thicknessDialog.millimetresHeading", "OKRightDlg.Label4"},
    {"thicknessDialog.millimetres", "OKRightDlg.Label5"},
    {"thicknessDialog.ok", "OKRightDlg.OKBtn"},
    {"thicknessDialog.cancel", "OKRightDlg.CancelBtn"},
    {"scaleDialog", "OKBottomDlg"},
    {"scaleDialog.caption", "OKBottomDlg.Label1"},
    {"scaleDialog.example1", "OKBottomDlg.StaticText1"},
    {"scaleDialog.example2", "OKBottomDlg.StaticText2"},
    {"scaleDialog.percentage", "OKBottomDlg.Select"},
    {"scaleDialog.percentSign", "OKBottomDlg.StaticText3"},
    {"scaleDialog.help", "OKBottomDlg.BitBtn1"},
    {"scaleDialog.cancel", "OKBottomDlg.BitBtn2"},
    {"scaleDialog.ok", "OKBottomDlg.BitBtn3"},
    {"plansWindow.buttonPanel", "PlansWindow.Panel1"},
    {"plansWindow.save", "PlansWindow.BitBtn1"},
    {"plansWindow.print", "PlansWindow.BitBtn4"},
    {"plansWindow.close", "PlansWindow.BitBtn2"},
    {"plansWindow.sheet", "PlansWindow.Image1"},
    {"plansWindow.lowerClose", "PlansWindow.BitBtn3"}
  };
  return names;
}
// clang-format on

std::string ControlNameOf(std::string_view role) {
  for (const ControlName& name : ControlNames())
    if (role == name.role) return name.control;
  return std::string(role);
}

std::string WidgetNameOf(std::string_view role) {
  const std::string control = ControlNameOf(role);
  const auto dot = control.rfind('.');
  return dot == std::string::npos ? control : control.substr(dot + 1);
}

std::string RoleOfControl(std::string_view control) {
  for (const ControlName& name : ControlNames())
    if (control == name.control) return name.role;
  return "";
}

std::string InputBoxRole(std::string_view inputRole, size_t slot) {
  return std::string(inputRole) + "." + std::to_string(slot);
}

std::string GreenLabelRole(std::string_view inputRole) {
  return std::string(inputRole) + ".label";
}

}  // namespace varnloft
