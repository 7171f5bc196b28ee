#pragma once
// The materials settings kept between runs, in the program's QSettings: for each measure the
// stock and price table as the stock file's JSON ("materials/imperial/stock"), and the kerf,
// end trim and bolt diameter in feet ("materials/imperial/kerf", ...). The headless driver never
// reads or writes them.
#include <QSettings>
#include <string>

#include "app/materials_setup.h"

namespace varnloft {

// Puts the saved settings of both measures into `setup`. A measure whose saved settings cannot be
// used keeps its examples; the returned text then says what was wrong (empty when all was well).
std::string LoadMaterialsSettings(QSettings& store, MaterialsSetup& setup);

// Saves the settings of both measures.
void SaveMaterialsSettings(QSettings& store, const MaterialsSetup& setup);

}  // namespace varnloft
