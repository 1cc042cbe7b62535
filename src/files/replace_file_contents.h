#pragma once

#include <string>
#include <string_view>

namespace mensurix {

// Replaces the file's contents with `bytes`, creating the file when it does not exist. The bytes
// go to a new file beside the target, flushed to disk, that then takes the target's place in one
// step, so the target holds either its old or its new contents, never a part, also after a crash
// or a power cut. A symbolic link stays a link and its target gets the contents; the target's
// owner and mode stay. A file with several hard links, or whose owner a new file could not keep,
// is rewritten where it is instead, so that every name sees the new contents: that rewrite is
// flushed but not atomic. Throws FileError("Unable to write to <path>") on any failure, also when
// something other than a regular file is at the path; the target is then untouched and no
// temporary file is left behind (unless the system lost the target half-way through the
// replacement: the temporary then keeps the new contents).
void ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace mensurix
