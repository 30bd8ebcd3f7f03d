// Reading a whole small file and replacing it so that it is never left damaged:
// the new bytes go to a temporary file in the same folder, reach the disk, and
// only then take the old file's name in one rename.
#pragma once

#include <optional>
#include <string>

namespace lv {

// The file's bytes; nothing when it is missing, cannot be read or is no regular
// file (a pipe or a device would block the start or never end).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's contents with bytes. A symbolic link keeps being a link: the
// file it names is replaced. A file that is read-only or no regular file is not
// replaced. On failure the old file stays as it was, no temporary file is left
// behind, the result is false and reason (when given) says what failed.
bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* reason = nullptr);

}  // namespace lv
