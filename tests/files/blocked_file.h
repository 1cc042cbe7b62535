#pragma once

#include <filesystem>

namespace mensurix {

// Keeps a file from being read, or from being replaced, while the object lives and until
// Release, the way each platform does it: on Windows another handle holds the file open with no
// sharing (which stops both); elsewhere permission bits are taken away, the file's read bit for
// reading, its folder's write bit for replacing.
class BlockedFile {
public:
    enum class Block { Reading, Replacing };

    BlockedFile(std::filesystem::path file, Block block);
    ~BlockedFile();
    BlockedFile(const BlockedFile&) = delete;
    BlockedFile& operator=(const BlockedFile&) = delete;

    // Whether the block stops this process; a privileged user passes permission bits.
    bool Holds() const;

    void Release();

private:
    std::filesystem::path file_;
    [[maybe_unused]] Block block_;
    [[maybe_unused]] void* handle_ = nullptr; // Windows: the handle that holds the file
};

} // namespace mensurix
