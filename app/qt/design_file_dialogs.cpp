#include "app/qt/design_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace varnloft {

namespace {

const QStringList& Filters() {
  static const QStringList filters = {"Varnloft designs (*.varnloft)", "All files (*)"};
  return filters;
}

QString Chosen(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace

QString RunOpenDesignDialog(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, "Open Design");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(Filters());
  dialog.setDirectory(folder);
  return Chosen(dialog);
}

QString RunSaveDesignDialog(QWidget* parent, const QString& folder, const QString& proposedName) {
  QFileDialog dialog(parent, "Save Design As");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(Filters());
  dialog.setDefaultSuffix("varnloft");
  dialog.setDirectory(folder);
  dialog.selectFile(proposedName);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  return Chosen(dialog);
}

QString DesignFolder(const QString& designPath) {
  if (!designPath.isEmpty()) {
    QString folder = QFileInfo(designPath).absolutePath();
    if (QDir(folder).exists()) return folder;
  }
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists()) return documents;
  return QDir::homePath();
}

}  // namespace varnloft
