// Varnloft: the desktop program. Creates the windows in their fixed order and runs the loop.
//   varnloft [FILE]   FILE: a design file (.varnloft) to open at start-up
#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <csignal>

#include "app/qt/program_windows.h"

int main(int argc, char** argv) {
  // Past a file size limit a save fails with "File too large" and says so, instead of the signal
  // ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Varnloft");
  QApplication::setApplicationDisplayName("Varnloft");
  const QStringList arguments = QApplication::arguments();
  varnloft::ProgramWindows windows;
  windows.KeepRecentFiles(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      "Varnloft", "Varnloft"));
  windows.KeepMaterialsSettings(std::make_unique<QSettings>(
      QSettings::NativeFormat, QSettings::UserScope, "Varnloft", "Varnloft"));
  windows.KeepSafetySettings(std::make_unique<QSettings>(
      QSettings::NativeFormat, QSettings::UserScope, "Varnloft", "Varnloft"));
  windows.ShowMainWindow();
  if (arguments.size() > 1)
    windows.OpenAtStartUp(QFileInfo(arguments.at(1)).absoluteFilePath().toStdString());
  return QApplication::exec();
}
