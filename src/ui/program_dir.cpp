#include "ui/program_dir.h"

#include "ui/text_bytes.h"

#include <QCoreApplication>

namespace mensurix {

std::string DirectoryOfExecutable(const std::string& executablePath) {
    const auto last = executablePath.find_last_of("\\/:");
    std::string dir =
        last == std::string::npos ? std::string() : executablePath.substr(0, last + 1);
    if (dir.empty() || dir.back() == ':') {
        // A drive colon keeps its own separator style; Qt accepts '/' on every platform.
        dir += dir.empty() ? "./" : "\\";
    }
    return dir;
}

std::string GetProgramDir() {
    return DirectoryOfExecutable(BytesFromText(QCoreApplication::applicationFilePath()));
}

} // namespace mensurix
