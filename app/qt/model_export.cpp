#include "app/qt/model_export.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "model3d/build_table_model.h"
#include "model3d/model_files.h"
#include "plans/plan_name.h"

namespace varnloft {

namespace {

QString RunModelSaveDialog(QWidget* parent, const QString& folder, const QString& proposedName,
                           QString& fileType) {
  QFileDialog dialog(parent, "Export 3D Model");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(ModelExport::FileTypes());
  dialog.selectNameFilter(fileType);
  dialog.setDirectory(folder);
  dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  fileType = dialog.selectedNameFilter();
  return dialog.selectedFiles().first();
}

QString StartFolder() {
  for (auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::DesktopLocation}) {
    QString folder = QStandardPaths::writableLocation(location);
    if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  }
  return QDir::homePath();
}

// ".obj" for "Wavefront OBJ with its material file (*.obj)".
QString ExtensionOf(const QString& fileType) {
  const qsizetype star = fileType.lastIndexOf("*.");
  return star < 0 ? QString(".obj") : fileType.mid(star + 1).chopped(1);
}

}  // namespace

ModelExport::ModelExport(const DesignRecord& record, Prompts& prompts)
    : record_(record), prompts_(prompts), fileType_(FileTypes().first()) {
  askSaveFileName = RunModelSaveDialog;
}

const QStringList& ModelExport::FileTypes() {
  static const QStringList types = {"Wavefront OBJ with its material file (*.obj)",
                                    "Binary STL (*.stl)", "Binary glTF 2.0 (*.glb)"};
  return types;
}

QString ModelExport::WithExtension(const QString& name, const QString& fileType) {
  for (const char* known : {".obj", ".stl", ".glb"})
    if (name.endsWith(known, Qt::CaseInsensitive)) return name;
  return name + ExtensionOf(fileType);
}

void ModelExport::Run(QWidget* parent) {
  if (record_.LastCalculationFailed) {
    prompts_.ShowError("There is no table to export: the last calculation failed.");
    return;
  }
  if (folder_.isEmpty()) folder_ = StartFolder();
  // Named as the plans were, or as a plain picnic table before any.
  QString fileType = fileType_;
  const QString proposed = QString::fromStdString(
      PlanFileName(record_.PlanName.empty() ? "Picnic Table" : record_.PlanName,
                   ExtensionOf(fileType).toStdString()));
  const QString chosen =
      askSaveFileName ? askSaveFileName(parent, folder_, proposed, fileType) : QString();
  if (chosen.isEmpty()) return;
  if (FileTypes().contains(fileType)) fileType_ = fileType;
  const QString path = WithExtension(chosen, fileType);
  folder_ = QFileInfo(path).absolutePath();
  const std::string error = WriteModelFile(BuildTableModel(record_), path.toStdString());
  if (!error.empty()) prompts_.ShowError(error);
}

}  // namespace varnloft
