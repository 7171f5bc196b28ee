#pragma once
// File > Export > 3D model…: asks for a file and writes the last design's table there as
// Wavefront OBJ (with its MTL beside it), binary STL or binary glTF, by the name's extension or,
// for a name without one of those, by the chosen file type. The file is replaced only once it is
// complete; a failure is reported with its reason.
#include <QString>
#include <QStringList>
#include <functional>

#include "design/design_record.h"
#include "platform/prompts.h"

class QWidget;

namespace varnloft {

class ModelExport {
 public:
  // `record` and `prompts` must outlive the export.
  ModelExport(const DesignRecord& record, Prompts& prompts);

  // Runs the command over `parent`: the save dialog, then the file.
  void Run(QWidget* parent);

  // The save dialog's file types, OBJ first.
  static const QStringList& FileTypes();
  // `name` with the extension of `fileType` added when it does not end in .obj, .stl or .glb.
  static QString WithExtension(const QString& name, const QString& fileType);

  // Asks for the file, starting in `folder` with `proposedName` and `fileType` (one of
  // FileTypes()) selected; returns the chosen path (empty when cancelled) and sets `fileType`
  // to the type chosen. The default runs the save dialog; tests replace it.
  std::function<QString(QWidget* parent, const QString& folder, const QString& proposedName,
                        QString& fileType)>
      askSaveFileName;

 private:
  const DesignRecord& record_;
  Prompts& prompts_;
  QString folder_;    // where the last export went, where the next dialog starts
  QString fileType_;  // the type chosen last
};

}  // namespace varnloft
