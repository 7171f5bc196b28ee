#pragma once
// The program's icon: a picnic table seen from its end, on a rounded tile. Drawn rather than
// stored, so it is sharp at every size. Used by the main window and the About window.
#include <QIcon>
#include <QImage>

namespace varnloft {

QImage DrawProgramIcon(int size);
QIcon ProgramIcon();

}  // namespace varnloft
