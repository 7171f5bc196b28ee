// Varnloft: the desktop program. Creates the windows in their fixed order and runs the loop.
#include <QApplication>
#include <QScreen>

#include "app/main_window.h"
#include "app/qt/program_windows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Varnloft");
  QApplication::setApplicationDisplayName("Varnloft");
  varnloft::ProgramWindows windows;
  windows.ShowMainWindow();
  return QApplication::exec();
}
