#pragma once
// Reading a whole file that may be no larger than a limit, without ever waiting on a pipe or a
// device: only a regular file is read.
#include <cstddef>
#include <string>

namespace varnloft {

enum class ReadStatus { Ok, TooLarge, Failed };

// Reads the file `path` into `text`. TooLarge when it holds more than `maxBytes` (nothing more
// is read); Failed with the reason in `error` when it cannot be read or is no regular file.
ReadStatus ReadBoundedFile(const std::string& path, size_t maxBytes, std::string& text,
                           std::string& error);

}  // namespace varnloft
