#include "converter_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>

namespace mensurix::testing {
namespace {

class TypedValue : public ConverterFixture {
protected:
    void SetUp() override {
        InstallShippedData();
        Open();
    }
    QString Status() const {
        const auto* status = Find<QLabel>("LabelStatus");
        return status->isVisibleTo(window_.get()) ? status->text() : QString();
    }
    QString ResultIn(const QString& unit) const {
        return Cell(1, static_cast<int>(Column(0).indexOf(unit)));
    }
};

// What people type and paste, read in the window's language; a refused value says why in the
// status strip and leaves the table blank.
TEST_F(TypedValue, ReadInTheInterfaceLanguage) {
    struct Case {
        std::uint8_t language; // 0 English, 2 German
        const char* from;
        const char* typed;
        const char* unit;     // whose result is checked, with no status
        const char* expected; // the result, or the status when `unit` is empty
    };
    const std::vector<Case> cases = {
        {0, "Foot (ft)", "5 ft 3 in", "Centimeter (cm)", "160.02"},
        {0, "Foot (ft)", "5'3\"", "Centimeter (cm)", "160.02"},
        {0, "Meter (m)", "1,234.5", "Kilometer (km)", "1.2345"},
        {0, "Meter (m)", " +2.5E3 ", "Kilometer (km)", "2.5"},
        {0, "Meter (m)",
         "\xE2\x88\x92"
         "3",
         "Kilometer (km)", "-0.003"},
        {0, "Meter (m)", "1/3", "Centimeter (cm)", "33.33333333"},
        // A value too small for the 8 digits shown is there, not a bare 0.
        {0, "Nanometer (nm)", "1", "Meter (m)", "< 0.00000001"},
        {0, "Nanometer (nm)", "-1", "Kilometer (km)", "> -0.00000001"},
        {0, "Nanometer (nm)", "0", "Meter (m)", "0"},
        {0, "Meter (m)", "1,5", "",
         "\xE2\x80\x9C,\xE2\x80\x9D at character 2 would be a decimal "
         "comma; write \xE2\x80\x9C.\xE2\x80\x9D."},
        {0, "Meter (m)", "5+", "",
         "The value is incomplete after \xE2\x80\x9C+\xE2\x80\x9D "
         "(character 2)."},
        {0, "Meter (m)", "5 kg", "", "\xE2\x80\x9Ckg\xE2\x80\x9D is no unit of this category."},
        {2, "Meter (m)", "1,5", "Kilometer (km)", "0.0015"},
        {2, "Meter (m)", "1,234", "",
         "\xE2\x80\x9E"
         "1,234\xE2\x80\x9C l\xC3\xA4sst sich "
         "zweifach lesen: 1234 oder 1.234."},
        {2, "Meter (m)", "2/0", "", "Division durch null an Stelle 2."},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed);
        window_->SwitchLanguage(row.language);
        Choose(Units(), 0);
        Choose(From(), From()->findText(row.from));
        Value()->setText(QString::fromUtf8(row.typed));
        if (*row.unit != '\0') {
            EXPECT_EQ(Status(), QString());
            EXPECT_EQ(ResultIn(row.unit), QString::fromUtf8(row.expected));
        } else {
            EXPECT_EQ(Status(), QString::fromUtf8(row.expected));
            EXPECT_EQ(Cell(1, 0), QString());
        }
    }
    // An empty box is no value yet, not an error.
    Value()->clear();
    EXPECT_EQ(Status(), QString());
}

} // namespace
} // namespace mensurix::testing
