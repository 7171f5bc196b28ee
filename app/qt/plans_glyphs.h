#pragma once
// The small pictures on the plans window's buttons: a floppy disk for Save, a printer for
// Print and an open door for Close, drawn here so they look alike on every platform style.
#include <QIcon>

namespace varnloft {

QIcon SaveGlyph();
QIcon PrintGlyph();
QIcon CloseGlyph();

}  // namespace varnloft
