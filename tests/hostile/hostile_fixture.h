#pragma once

#include "converter_fixture.h"

#include <QString>

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>

// Failures show texts, not the characters' bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.left(200).toStdString() << (text.size() > 200 ? "\"..." : "\"");
}

namespace mensurix::testing {

// A program directory that tests fill with hostile files before opening the window. Every file is
// generated here at run time, so none of the megabytes is kept in the repository.
class HostileFixture : public ConverterFixture {
protected:
    std::filesystem::path PathOf(const std::string& relativePath) const;

    // A directory where a file is expected, with a file inside it that must survive.
    void MakeDirectoryInstead(const std::string& relativePath) const;
    bool DirectoryKept(const std::string& relativePath) const;

    // A symbolic link at `relativePath` to `target`; false where the system does not allow one.
    bool MakeLink(const std::string& relativePath, const std::string& target) const;

    // A FIFO at `relativePath`; false where the system has none.
    bool MakeFifo(const std::string& relativePath) const;

    // Whether the program directory holds a temporary file left by an interrupted write.
    bool HoldsTemporaryFile() const;
};

// `size` bytes of every value but NUL, the same for the same seed.
std::string BinaryGarbage(std::size_t size, unsigned seed);

// `count` repetitions of `text`, built in one allocation.
std::string Repeated(const std::string& text, std::size_t count);

} // namespace mensurix::testing
