#include "blocked_file.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace mensurix {
namespace {

namespace fs = std::filesystem;

fs::path Blocked(const fs::path& file, BlockedFile::Block block) {
    return block == BlockedFile::Block::Reading ? file : file.parent_path();
}

fs::perms Taken(BlockedFile::Block block) {
    return block == BlockedFile::Block::Reading ? fs::perms::owner_read : fs::perms::owner_write;
}

} // namespace

BlockedFile::BlockedFile(fs::path file, Block block) : file_(std::move(file)), block_(block) {
    fs::permissions(Blocked(file_, block_), Taken(block_), fs::perm_options::remove);
}

BlockedFile::~BlockedFile() {
    Release();
}

bool BlockedFile::Holds() const {
    if (block_ == Block::Reading) {
        return !std::ifstream(file_);
    }
    const fs::path probe = file_.parent_path() / "probe";
    if (!std::ofstream(probe)) {
        return true;
    }
    std::error_code error;
    fs::remove(probe, error);
    return false;
}

void BlockedFile::Release() {
    std::error_code error;
    fs::permissions(Blocked(file_, block_), Taken(block_), fs::perm_options::add, error);
}

} // namespace mensurix
