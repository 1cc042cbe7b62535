#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <string>

// A program directory holding a copy of the shipped data, so that a benchmarked window may write
// its settings without touching the source tree.
class BenchProgramDir {
public:
    BenchProgramDir() {
        std::filesystem::copy(MENSURIX_DATA_DIR, dir_.path().toStdString(),
                              std::filesystem::copy_options::recursive);
    }
    std::string Path() const { return QDir(dir_.path()).absolutePath().toStdString() + "/"; }

private:
    QTemporaryDir dir_;
};
