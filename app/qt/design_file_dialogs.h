#pragma once
// The file dialogs of the File menu: Open and Save As for .varnloft design files.
#include <QString>
#include <QWidget>

namespace varnloft {

// The chosen file, or an empty text when the user cancelled.
QString RunOpenDesignDialog(QWidget* parent, const QString& folder);
QString RunSaveDesignDialog(QWidget* parent, const QString& folder, const QString& proposedName);

// Where the dialogs start: the folder of the design's file, else the user's documents folder,
// else the home folder.
QString DesignFolder(const QString& designPath);

}  // namespace varnloft
