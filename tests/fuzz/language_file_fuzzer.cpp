#include "ui/window/converter_window.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

// Input: the bytes of a language file. One window, made once with the shipped catalogue and
// languages, takes every input as a language file, so that what earlier files changed (lists
// replaced, sizes and ranges set) is the ground later ones apply to.
namespace mensurix::fuzz {
namespace {

class LanguageFileTarget {
public:
    LanguageFileTarget() {
        std::filesystem::copy(MENSURIX_DATA_DIR, programDir_.path().toStdString(),
                              std::filesystem::copy_options::recursive);
        ConverterWindowServices services;
        services.ProgramDir = QDir(programDir_.path()).absolutePath().toStdString() + "/";
        services.ReportError = [](const QString&) {};
        services.LocaleLanguageName = [] { return std::string("English"); };
        services.OpenUrl = [](const QString&) {};
        path_ = services.ProgramDir + "Languages/Fuzzed.isl";
        window_ = std::make_unique<ConverterWindow>(std::move(services));
    }

    void Apply(const std::uint8_t* data, std::size_t size) {
        {
            std::ofstream file(std::filesystem::path(path_), std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        }
        window_->ApplyMessages(path_);
        window_->ApplyLanguageFile(path_);
    }

private:
    QTemporaryDir programDir_;
    std::unique_ptr<ConverterWindow> window_;
    std::string path_;
};

// The offscreen platform's notes on what it cannot do (window masks, size hints) would come at
// every input and slow the run; a fatal message still ends it.
void KeepOnlyFatalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

} // namespace
} // namespace mensurix::fuzz

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(mensurix::fuzz::KeepOnlyFatalMessages);
    // Qt keeps the argument count by reference for the application's whole life.
    static int qtArgc = 1;
    static QApplication application(qtArgc, *argv);
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static mensurix::fuzz::LanguageFileTarget target;
    target.Apply(data, size);
    return 0;
}
