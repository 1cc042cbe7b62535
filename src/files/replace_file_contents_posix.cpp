#include "files/replace_file_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace mensurix::replace_steps {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool Valid() const { return fd_ >= 0; }
    int Get() const { return fd_; }

    // A failed close can be the first report of a failed write.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool InOwnGroups(gid_t group) {
    if (group == getegid()) {
        return true;
    }
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    const int listed = getgroups(static_cast<int>(groups.size()), groups.data());
    return listed > 0 &&
           std::find(groups.begin(), groups.begin() + listed, group) != groups.begin() + listed;
}

// A renamed file's new name lasts a power cut only once its folder is on disk too. A file
// system that cannot sync folders says so with EINVAL; the rename then stands as it is.
bool SyncFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    Descriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.Valid()) {
        // A folder that may be written but not read cannot be opened to sync it.
        return errno == EACCES;
    }
    return fsync(fd.Get()) == 0 || errno == EINVAL;
}

} // namespace

bool MustOverwriteInPlace(const std::filesystem::path& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) != 0) {
        return false;
    }
    if (info.st_nlink > 1) {
        return true;
    }
    // Only root may give a new file to another user, or to a group it is not in.
    return geteuid() != 0 && (info.st_uid != geteuid() || !InOwnGroups(info.st_gid));
}

bool WriteNewFile(const std::filesystem::path& file, std::string_view bytes,
                  const std::filesystem::path* original) {
    struct stat model {};
    if (original != nullptr && stat(original->c_str(), &model) != 0) {
        return false;
    }
    // A copy of an existing file stays private until it has that file's owner and mode; a new
    // file gets the mode the user's umask gives.
    Descriptor fd(
        open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, original ? 0600 : 0666));
    if (!fd.Valid()) {
        return false;
    }
    if (original != nullptr) {
        struct stat created {};
        if (fstat(fd.Get(), &created) != 0) {
            return false;
        }
        // Changed only where they differ: file systems without owners or modes (FAT) refuse
        // any change, and there the new file already has what the old one had.
        const bool ownerDiffers = created.st_uid != model.st_uid || created.st_gid != model.st_gid;
        if (ownerDiffers && fchown(fd.Get(), model.st_uid, model.st_gid) != 0) {
            return false;
        }
        const mode_t mode = model.st_mode & 07777;
        if ((created.st_mode & 07777) != mode && fchmod(fd.Get(), mode) != 0) {
            return false;
        }
    }
    return WriteAll(fd.Get(), bytes) && fsync(fd.Get()) == 0 && fd.Close();
}

bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    return rename(temporary.c_str(), target.c_str()) == 0 && SyncFolderOf(target);
}

bool OverwriteInPlace(const std::filesystem::path& target, std::string_view bytes) {
    Descriptor fd(open(target.c_str(), O_WRONLY | O_CLOEXEC));
    // The new bytes first, then the length: the file is never shorter than its new contents.
    return fd.Valid() && WriteAll(fd.Get(), bytes) &&
           ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) == 0 && fsync(fd.Get()) == 0 &&
           fd.Close();
}

} // namespace mensurix::replace_steps
