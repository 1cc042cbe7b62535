#include "converter_fixture.h"

#include "catalogue/catalogue_reader.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace mensurix::testing {

void ConverterFixture::WriteFile(const std::string& relativePath,
                                 const std::string& contents) const {
    const std::filesystem::path path =
        dir_.filePath(QString::fromStdString(relativePath)).toStdString();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

std::string ConverterFixture::ReadFile(const std::string& relativePath) const {
    std::ifstream in(dir_.filePath(QString::fromStdString(relativePath)).toStdString(),
                     std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool ConverterFixture::FileExists(const std::string& relativePath) const {
    return QFile::exists(dir_.filePath(QString::fromStdString(relativePath)));
}

void ConverterFixture::InstallShippedData(const std::string& relativeDir) const {
    const std::filesystem::path data = MENSURIX_DATA_DIR;
    const std::filesystem::path target =
        dir_.filePath(QString::fromStdString(relativeDir)).toStdString();
    std::filesystem::create_directories(target);
    std::filesystem::copy(data, target,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

std::string ConverterFixture::ProgramDir() const {
    return QDir(dir_.path()).absolutePath().toStdString() + "/" + programFolder_;
}

QObject* ConverterFixture::Component(std::string_view name) const {
    if (name.empty()) {
        return window_.get();
    }
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (QObject* child : window_->findChildren<QObject*>()) {
        if (child->objectName().compare(wanted, Qt::CaseInsensitive) == 0) {
            return child;
        }
    }
    return nullptr;
}

UnitCatalogue ConverterFixture::ProgramCatalogue() const {
    return ReadCatalogueFile(ProgramDir() + "Units.dat");
}

ConverterWindow& ConverterFixture::Open() {
    ConverterWindowServices services;
    const std::string scratch = QDir(dir_.path()).absolutePath().toStdString() + "/";
    services.ProgramDir = ProgramDir();
    services.UserSettingsDir = scratch + "user-settings/";
    services.ReportError = [this](const QString& message) { reported_.push_back(message); };
    services.LocaleLanguageName = [this] {
        ++localeQueries_;
        return localeName_;
    };
    services.OpenUrl = [this](const QString& address) { opened_.push_back(address); };
    window_ = std::make_unique<ConverterWindow>(std::move(services));
    return *window_;
}

void ConverterFixture::Close() {
    if (window_) {
        window_->close();
        window_.reset();
    }
}

QString ConverterFixture::Cell(int column, int row) const {
    const QTableWidgetItem* item = Grid()->item(row, column);
    return item == nullptr ? QString() : item->text();
}

QStringList ConverterFixture::Column(int column) const {
    QStringList texts;
    for (int row = 0; row < Grid()->rowCount(); ++row) {
        texts.append(Cell(column, row));
    }
    return texts;
}

std::vector<std::string> ConverterFixture::ExactValues() const {
    static const QString untouched = QStringLiteral("nothing copied");
    std::vector<std::string> values;
    for (int row = 0; row < Grid()->rowCount(); ++row) {
        Grid()->setCurrentCell(row, 1);
        QTest::keyClick(Grid(), Qt::Key_F10, Qt::ShiftModifier);
        // Without results the copy menu does not open.
        QWidget* menu = QApplication::activePopupWidget();
        if (menu == nullptr) {
            break;
        }
        QApplication::clipboard()->setText(untouched);
        Find<QAction>("PM_CopyExact")->trigger();
        menu->close();
        // A row the category cannot convert has no value and copies nothing.
        const QString copied = QApplication::clipboard()->text();
        values.push_back(copied == untouched ? std::string() : copied.toStdString());
    }
    return values;
}

int ConverterFixture::SavedLanguage() {
    Close();
    const std::string settings = ReadFile("options.ini");
    const auto key = settings.find("[LANGUAGE]");
    const auto value = settings.find("Default=", key);
    EXPECT_NE(value, std::string::npos) << settings;
    return value == std::string::npos ? -1 : std::atoi(settings.c_str() + value + 8);
}

void ConverterFixture::Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace mensurix::testing
