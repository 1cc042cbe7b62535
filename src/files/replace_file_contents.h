#pragma once

#include <string>
#include <string_view>

namespace mensurix {

// Replaces the file's contents with `bytes`, creating the file when it does not exist. The bytes
// go to a new file beside the target that is then renamed over it, so the target holds either
// its old or its new contents, never a part. Throws FileError("Unable to write to <path>") on
// any failure; the target is then untouched and no temporary file is left behind.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace mensurix
