// The Materials window's part of the program: created with the other windows, opened by
// View > Materials, listed again after every design, printed on the program's printer, and its
// settings read at start-up and saved after every change.
#include <QPrintDialog>
#include <QSettings>

#include "app/materials_pages.h"
#include "app/qt/materials_settings_store.h"
#include "app/qt/program_windows.h"
#include "platform/qt/paint_device_page_sink.h"

namespace varnloft {

void ProgramWindows::ConnectMaterials() {
  savedSettings_ = std::make_unique<QSettings>("Varnloft", "Varnloft");
  std::string loadProblem = LoadMaterialsSettings(*savedSettings_, materialsSetup_);
  materialsWindow_ =
      std::make_unique<MaterialsWindow>(state_->rec, materialsSetup_, materialsPrompts_);
  materialsWindow_->setWindowIcon(mainWidget_->windowIcon());
  materialsPrompts_.SetParent(materialsWindow_.get());

  MainWindowHooks& hooks = state_->hooks;
  hooks.listMaterials = [this] { materialsWindow_->DesignChanged(); };
  hooks.showMaterials = [this, loadProblem]() mutable {
    materialsWindow_->ShowFromMenu();
    // Saved settings that could not be used are reported once, when the window first opens.
    if (!loadProblem.empty()) {
      materialsPrompts_.ShowError(loadProblem);
      loadProblem.clear();
    }
  };
  materialsWindow_->settingsSaved = [this] {
    SaveMaterialsSettings(*savedSettings_, materialsSetup_);
  };
  materialsWindow_->printMaterials = [this](const Materials& materials) {
    QPrinter& printer = printer_.printer();
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
    PrintMaterials(materials, "Materials for the " + state_->CheckedPresetCaption() + " table",
                   sink, printer.resolution());
  };
}

}  // namespace varnloft
