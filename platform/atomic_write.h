#pragma once
// Writing a whole file so that a crash, a full disk or a failed write never leaves it half
// written: the data goes to a temporary file in the target's folder, is flushed to the disk, and
// only then takes the target's name, in one rename.
#include <string>
#include <string_view>

namespace varnloft {

// Writes `data` as the whole of the file `path` (a link is followed to the file it names).
// Returns an empty string on success, else the reason ("No such file or directory"); on failure
// the target is as it was and no temporary file is left behind.
std::string WriteFileAtomically(const std::string& path, std::string_view data);

}  // namespace varnloft
