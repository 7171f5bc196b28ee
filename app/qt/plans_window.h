#pragma once
// The plans window: shows the plan sheet drawn into its picture, saves it as a bitmap file,
// prints (through the main window's Print button) and closes. Created once, when first opened,
// and shown modally by the main window's Plans button.
#include <QDialog>
#include <functional>

#include "design/design_record.h"
#include "plans/plan_context.h"
#include "platform/prompts.h"
#include "platform/qt/picture.h"
#include "platform/recording_canvas.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QFrame;

namespace varnloft {

// The file Save writes for the name the user chose: a name ending in .bmp or .png (any case)
// as it is, which gives that format; any other name with ".bmp" added.
QString PictureFileName(const QString& chosen);

class PlansWindow : public QDialog {
  Q_OBJECT

 public:
  // `record` and `prompts` must outlive the window.
  PlansWindow(DesignRecord& record, Prompts& prompts, QWidget* parent = nullptr);

  // Redraws the plan sheet into sheetLabel from the record (and into `recording` too, when given).
  // The window's restored size follows the sheet, the same on every press. Throws ProgramError
  // when the sheet cannot be drawn; the picture keeps what was drawn so far.
  void DrawPlanSheet(const PlanContext& context, RecordingCanvas* recording = nullptr);

  // Handlers, public so that tests and the program can drive them.
  void PressSave();        // Save
  void PressClose();       // Close
  void PressLowerClose();  // the lower Close
  void PressPrint();       // Print: presses the main window's Print button
  void ShowTitle();        // the caption shows the title

  // Presses the main window's Print button; set by the program.
  std::function<void()> pressMainPrint;
  // Asks for the file to save to, starting in `folder` with `proposedName`; an empty result
  // means the user cancelled. The default runs the save dialog; tests replace it.
  std::function<QString(const QString& folder, const QString& proposedName)> askSaveFileName;

  // The folder the save dialog starts in: the user's pictures folder, else the desktop, else
  // the home folder.
  static QString StartFolder();

  const Picture& sheetPicture() const { return sheetPicture_; }

  QFrame* buttonPanel;
  QPushButton* saveButton;
  QPushButton* closeButton;
  QPushButton* lowerCloseButton;
  QPushButton* printButton;
  QScrollArea* scrollBox;
  QLabel* sheetLabel;

 protected:
  bool event(QEvent* event) override;

 private:
  QString RunSaveDialog(const QString& folder, const QString& proposedName);
  void SizeFromSheet();

  DesignRecord& record_;
  Prompts& prompts_;
  Picture sheetPicture_;
};

}  // namespace varnloft
