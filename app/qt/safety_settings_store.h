#pragma once
// The Safety window's settings kept between runs in the program's QSettings: the person's mass
// in kilograms ("safety/personKg", absent for the default) and the sag limit's ratio
// ("safety/deflectionRatio"). The wood is the design's, kept in its file, not here.
#include <QSettings>

#include "safety/safety_check.h"

namespace varnloft {

// Reads the kept settings into `settings`; a kept value that is not one a person could type
// (not a number, out of range) is left out and the default kept.
void LoadSafetySettings(QSettings& store, SafetySettings& settings);
void SaveSafetySettings(QSettings& store, const SafetySettings& settings);

}  // namespace varnloft
