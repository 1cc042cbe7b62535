#pragma once

#include <filesystem>
#include <string_view>

// The platform's side of ReplaceFileContents, one implementation per platform. Each step reports
// failure as false and leaves the cleaning up to the caller.
namespace mensurix::replace_steps {

// Whether the existing regular file has to be rewritten where it is instead of replaced by a new
// file: a new file would leave the old contents behind its other hard links, or would change the
// file's owner.
bool MustOverwriteInPlace(const std::filesystem::path& target);

// Creates `file`, which must not exist yet, with exactly `bytes`, on disk before it returns.
// With `original`, the new file gets the original's owner and mode where the platform keeps them
// with the file rather than through the replacement.
bool WriteNewFile(const std::filesystem::path& file, std::string_view bytes,
                  const std::filesystem::path* original);

// Puts the new file in the target's place in one step, on disk before it returns; the target may
// be missing. Waits a moment for another program that holds the target open.
bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& target);

// Rewrites the existing target's contents through its own name and flushes them to disk.
bool OverwriteInPlace(const std::filesystem::path& target, std::string_view bytes);

} // namespace mensurix::replace_steps
