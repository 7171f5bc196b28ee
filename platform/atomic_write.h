#pragma once
// The one way the program writes a file, so that a crash, a full disk or a failed write never
// leaves it half written: the data goes to a temporary file in the target's folder, is flushed
// to the disk, and only then takes the target's name, in one rename.
//   - A target that is a symbolic link is written through to the file it names; the link stays.
//   - A target that is a pipe or a character device (/dev/stdout) is written to directly, as a
//     stream: it cannot be replaced, and a pipe nobody reads is refused instead of waited on.
//   - A name of an open descriptor (/dev/stdout, /proc/self/fd/1) that is a regular file (the
//     output sent to a file) is written at that file's end, never replaced.
//   - A folder is refused.
// A file set (an .obj with its .mtl) is put in place only when every member is complete.
#include <string>
#include <string_view>
#include <vector>

namespace varnloft {

// Whether the data reaches the disk before the file takes its name. A file that nothing is lost
// with (the end-to-end tests' state, rewritten after every change) may skip the flush, which
// holds a write up by milliseconds: a reader still sees the old file or the new one, whole.
enum class Durability { Flushed, Unflushed };

// Writes `data` as the whole of the file `path`. Returns an empty string on success, else the
// reason ("No such file or directory", "No space left on device"); on failure the target is as
// it was and no temporary file is left behind.
std::string WriteFileAtomically(const std::string& path, std::string_view data,
                                Durability durability = Durability::Flushed);

struct FileToWrite {
  std::string path;
  std::string_view data;
};

struct WriteFailure {
  std::string path;    // the member that failed; empty on success
  std::string reason;  // from the system, or why the target cannot be written
};

// Writes every member of a set: each goes to its own temporary file first, and no target is
// replaced until all of them are complete, so a failure leaves every target as it was.
WriteFailure WriteFileSetAtomically(const std::vector<FileToWrite>& files,
                                    Durability durability = Durability::Flushed);

// "cannot write PATH: REASON", as the driver names a failed output.
std::string CannotWrite(const std::string& path, const std::string& reason);

}  // namespace varnloft
