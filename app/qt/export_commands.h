#pragma once
// File > Export: the plan sheet and the design view as SVG, the design view as PNG, and the build
// packet as one PDF on the page size of the printer set-up. Each asks for the file with a save
// dialog (replaceable in tests) and writes it through a temporary file that replaces the target
// only when complete; a file that cannot be written is reported in the error box.
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "app/main_window.h"
#include "app/materials_setup.h"
#include "materials/materials.h"
#include "packet/exported_pictures.h"
#include "platform/prompts.h"
#include "platform/qt/pdf_file.h"
#include "platform/qt/picture.h"

class QPrinter;

namespace varnloft {

class ExportCommands {
 public:
  // Everything given must outlive the commands. `designView` is the main window's picture.
  // The packet lists its materials with `materials`' settings, as the Materials window does.
  // `printer` gives the program's printer, which is made when first asked for.
  ExportCommands(MainWindow& state, const Picture& designView, std::function<QPrinter&()> printer,
                 Prompts& prompts, const MaterialsSetup& materials);

  // The handlers of the Export menu's items; run them as user events (errors reach the error
  // box through the main window's handler).
  void ExportPlanSheetSvg();
  void ExportDesignViewSvg();
  void ExportDesignViewPng();
  // Presses Design first and refuses after a failed calculation, as Print does, before asking.
  void ExportBuildPacket();

  // The paper of the printer set-up: A4 when it is set to A4, else US Letter.
  PaperSize PacketPaper() const;

  // Asks for the file: the dialog's title, the proposed path and the file type's filter
  // ("SVG picture (*.svg)"); an empty result means the user cancelled. The default runs the
  // save dialog, which asks before overwriting; tests replace it.
  std::function<QString(const QString& title, const QString& proposedPath, const QString& filter)>
      askSaveFileName;
  QWidget* dialogParent = nullptr;

 private:
  QString Ask(const QString& title, const std::string& extension, const QString& filter);
  void WriteSvg(const ExportedPicture& picture, const CanvasSettings& start, const QString& path);

  MainWindow& state_;
  const Picture& designView_;
  std::function<QPrinter&()> printer_;
  Prompts& prompts_;
  const MaterialsSetup& materials_;
};

// For the Materials window: writes the cutting diagrams of `materials` as an SVG file `width`
// pixels wide, through a temporary file. Returns an empty text, or the message for the user.
std::string SaveCuttingDiagramSvg(const Materials& materials, const QString& path,
                                  int width = kCuttingDiagramExportWidth);

}  // namespace varnloft
