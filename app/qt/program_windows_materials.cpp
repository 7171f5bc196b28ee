// The Materials window's part of the program: made when View > Materials first opens it, listed
// again after every design, printed on the program's printer, and its settings read from the
// program's settings at start-up and saved there after every change.
#include <QPrintDialog>
#include <QSettings>

#include "app/qt/materials_settings_store.h"
#include "app/qt/program_windows.h"
#include "packet/materials_pages.h"
#include "platform/qt/paint_device_page_sink.h"

namespace varnloft {

void ProgramWindows::ConnectMaterials() {}

MaterialsWindow& ProgramWindows::materialsWindow() {
  if (!materialsWindow_) MakeMaterialsWindow();
  return *materialsWindow_;
}

void ProgramWindows::ShowMaterials() {
  materialsWindow().ShowFromMenu();
  // Saved settings that could not be used are reported once, when the window first opens.
  if (!materialsSettingsProblem_.empty()) {
    materialsPrompts_.ShowError(materialsSettingsProblem_);
    materialsSettingsProblem_.clear();
  }
}

void ProgramWindows::MakeMaterialsWindow() {
  materialsWindow_ =
      std::make_unique<MaterialsWindow>(state_->rec, materialsSetup_, materialsPrompts_);
  materialsWindow_->setWindowIcon(Icon());
  materialsPrompts_.SetParent(materialsWindow_.get());
  materialsWindow_->settingsSaved = [this] {
    if (materialsSettings_) SaveMaterialsSettings(*materialsSettings_, materialsSetup_);
  };
  materialsWindow_->printMaterials = [this](const Materials& materials) {
    QPrinter& printer = plansPrinter().printer();
    QPrintDialog dialog(&printer, materialsWindow_.get());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) return;
    // The printer is the plans' too: its document name is theirs again afterwards.
    struct DocumentName {
      QPrinter& printer;
      QString plans = printer.docName();
      ~DocumentName() { printer.setDocName(plans); }
    } name{printer};
    printer.setDocName("Picnic Table Materials");
    PaintDevicePageSink sink(printer);
    // The build packet's materials and cutting-diagram pages, the table's name in their header.
    const std::string preset = state_->CheckedPresetCaption();
    PrintMaterialsPages(materials, preset.empty() ? "Picnic table" : preset + " table", sink,
                        printer.resolution());
  };
}

void ProgramWindows::KeepMaterialsSettings(std::unique_ptr<QSettings> settings) {
  materialsSettings_ = std::move(settings);
  materialsSettingsProblem_ = LoadMaterialsSettings(*materialsSettings_, materialsSetup_);
  // A window not made yet lists with these settings when it is.
  if (materialsWindow_) materialsWindow_->SettingsChanged();
}

}  // namespace varnloft
