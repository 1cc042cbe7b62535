#pragma once

#include "catalogue/unit_catalogue.h"
#include "ui/window/converter_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mensurix::testing {

// A program directory of its own for each test, and a window whose services record what the
// window asked of them instead of showing boxes or opening browsers.
class ConverterFixture : public ::testing::Test {
protected:
    void WriteFile(const std::string& relativePath, const std::string& contents) const;
    std::string ReadFile(const std::string& relativePath) const;
    bool FileExists(const std::string& relativePath) const;
    // Copies the shipped catalogue and language files into the program directory, or into
    // another folder of the scratch folder.
    void InstallShippedData(const std::string& relativeDir = "") const;

    ConverterWindow& Open();
    // The program folder the window was given.
    std::string ProgramDir() const;
    // The window's component of that name, in any letter case, as a language file addresses it;
    // an empty name is the window itself.
    QObject* Component(std::string_view name) const;
    // The catalogue in the program folder, as the window reads it.
    UnitCatalogue ProgramCatalogue() const;
    void Close();

    template <typename Widget> Widget* Find(const char* name) const {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* Units() const { return Find<QComboBox>("ComboBoxUnits"); }
    QComboBox* From() const { return Find<QComboBox>("ComboBoxFrom"); }
    QTableWidget* Grid() const { return Find<QTableWidget>("StringGridUnit"); }
    QLineEdit* Value() const { return Find<QLineEdit>("EditValue"); }
    QSpinBox* Digits() const { return Find<QSpinBox>("SpinEditDec"); }
    QCheckBox* Separators() const { return Find<QCheckBox>("CheckBoxDouHao"); }
    QString Cell(int column, int row) const;
    QStringList Column(int column) const;
    // Every row's exact value, as "Copy exact value" copies it from the keyboard's copy menu;
    // empty while the table shows no results.
    std::vector<std::string> ExactValues() const;
    // The language index options.ini holds after closing the window.
    int SavedLanguage();
    // Chooses an item as a user does, raising the list's handler.
    static void Choose(QComboBox* list, int index);

    QTemporaryDir dir_;
    // The executable's folder inside dir_: empty for dir_ itself (a portable copy), "bin/" for
    // an installed one. The user's own settings folder is dir_'s "user-settings/".
    std::string programFolder_;
    std::unique_ptr<ConverterWindow> window_;
    std::vector<QString> reported_;
    std::vector<QString> opened_;
    std::string localeName_ = "English";
    int localeQueries_ = 0;
};

} // namespace mensurix::testing
