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

// The same, with every refusal in the words the user reads: empty when `text` holds the whole
// file, else why not ("it is larger than 1 MB", "it is not a regular file", "Permission denied").
std::string ReadFileUpTo(const std::string& path, size_t maxBytes, std::string& text);

// "1 MB", "64 KB", "100 bytes": a limit as a message gives it.
std::string SizeText(size_t bytes);

}  // namespace varnloft
