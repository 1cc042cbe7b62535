#include "hostile_fixture.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <fstream>
#include <random>
#include <system_error>

namespace mensurix::testing {
namespace {

constexpr const char* KeptName = "kept.txt";
constexpr const char* KeptText = "still here";

} // namespace

std::filesystem::path HostileFixture::PathOf(const std::string& relativePath) const {
    return std::filesystem::path(dir_.path().toStdString()) / relativePath;
}

void HostileFixture::MakeDirectoryInstead(const std::string& relativePath) const {
    std::filesystem::create_directories(PathOf(relativePath));
    std::ofstream(PathOf(relativePath) / KeptName, std::ios::binary) << KeptText;
}

bool HostileFixture::DirectoryKept(const std::string& relativePath) const {
    return std::filesystem::is_directory(PathOf(relativePath)) &&
           ReadFile(relativePath + "/" + KeptName) == KeptText;
}

bool HostileFixture::MakeLink(const std::string& relativePath, const std::string& target) const {
    std::error_code error;
    std::filesystem::create_directories(PathOf(relativePath).parent_path(), error);
    std::filesystem::create_symlink(target, PathOf(relativePath), error);
    return !error;
}

bool HostileFixture::MakeFifo(const std::string& relativePath) const {
#ifdef _WIN32
    static_cast<void>(relativePath);
    return false;
#else
    std::filesystem::create_directories(PathOf(relativePath).parent_path());
    return mkfifo(PathOf(relativePath).c_str(), 0600) == 0;
#endif
}

bool HostileFixture::HoldsTemporaryFile() const {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(PathOf(""))) {
        if (entry.path().extension() == ".tmp") {
            return true;
        }
    }
    return false;
}

std::string BinaryGarbage(std::size_t size, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(byte(engine));
    }
    return bytes;
}

std::string Repeated(const std::string& text, std::size_t count) {
    std::string result;
    result.reserve(text.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

} // namespace mensurix::testing
