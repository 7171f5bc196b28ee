#pragma once
// The last complete materials list, kept with what it was built from, so that a design is
// planned once however many outputs (the window, the packet, the driver's files) ask for it.
// Safe to use from the Materials window's worker thread and the main thread at once.
#include <optional>
#include <string>

#include "materials/materials.h"

namespace varnloft {

// Everything the list is built from, as bytes: every field of the record and every setting.
std::string MaterialsKey(const DesignRecord& rec, const MaterialsSettings& settings);

// The kept list when it was built from `key`.
std::optional<Materials> KeptMaterials(const std::string& key);

// Keeps `materials` as the list built from `key`, in place of the one kept before.
void KeepMaterials(const std::string& key, const Materials& materials);

}  // namespace varnloft
