#include "hostile_fixture.h"

#include "ui/program_identity.h"

#include <QLabel>
#include <QTextDocument>

namespace mensurix::testing {
namespace {

// The window starts in English, so Languages/English.isl is the hostile file.
class HostileLanguage : public HostileFixture {
protected:
    void SetUp() override {
        WriteFile("Units.dat", "[Length]\n*Meter=1|1\nKilometer=0.001|1000\n");
        WriteFile("options.ini", "[LANGUAGE]\nDefault=0\n");
    }
    QString Caption(const char* label) const { return Find<QLabel>(label)->text(); }
    // The window still converts after the file.
    void ExpectConverting() {
        Value()->setText("1234.5");
        EXPECT_EQ(Cell(1, 1), "1.2345");
    }
    // The file gives no texts: nothing is reported, the messages are empty and every other text
    // keeps its design value.
    void ExpectReadAsMissing() {
        Open();
        EXPECT_EQ(Caption("RzURLLabel2"), "");
        EXPECT_EQ(Caption("Label1"), "Max number of digits:");
        ExpectConverting();
        Close();
        EXPECT_TRUE(reported_.empty());
    }
};

// 100,000 lines: the component section is read as far as its 16,384 bytes of key names reach,
// and the messages after it are found.
TEST_F(HostileLanguage, HundredThousandLines) {
    std::string file = "[FrmConvert]\nLabel1.Caption=first\n";
    for (int i = 0; i < 100000; ++i) {
        file += "Nothing" + std::to_string(i) + ".Caption=ignored\n";
    }
    file += "Label2.Caption=beyond the names\n[Messages]\nMS_Homepage=Home %1\n";
    WriteFile("Languages/English.isl", file);
    Open();
    EXPECT_EQ(Caption("Label1"), "first");
    EXPECT_EQ(Caption("Label2"), "Please select:");
    EXPECT_EQ(Caption("RzURLLabel2"), QString("Home ") + HomepageAddress);
    ExpectConverting();
}

// A 10 MB value is cut to the 2,047 bytes a value holds; the lines after it still apply.
TEST_F(HostileLanguage, TenMegabyteLine) {
    WriteFile("Languages/English.isl",
              "[FrmConvert]\nLabel1.Caption=" + std::string(10U << 20, 'w') +
                  "\nLabel2.Caption=after\n");
    Open();
    EXPECT_EQ(Caption("Label1"), QString(2047, 'w'));
    EXPECT_EQ(Caption("Label2"), "after");
    ExpectConverting();
}

TEST_F(HostileLanguage, BinaryGarbage) {
    WriteFile("Languages/English.isl", "[Messages]\n" + BinaryGarbage(1U << 20, 11) +
                                           "\n[FrmConvert]\n" + BinaryGarbage(1U << 20, 12));
    Open();
    EXPECT_TRUE(reported_.empty());
    ExpectConverting();
}

TEST_F(HostileLanguage, InvalidUtf8ValuesReadAsWindows1252) {
    WriteFile("Languages/English.isl", "[Messages]\nMS_CopyRight=\xA9 %1 \xC0\n"
                                       "[FrmConvert]\nLabel1.Caption=Stellen \xE4\n"
                                       "Label2.Caption=Bitte w\xC3\xA4hlen:\n"
                                       "ComboBoxUnits.Items=L\xE4nge\n");
    Open();
    EXPECT_EQ(Caption("Label6"), QString::fromUtf8("\xC2\xA9 ") + CopyrightHolderText +
                                     QString::fromUtf8(" \xC3\x80"));
    EXPECT_EQ(Caption("Label1"), QString::fromUtf8("Stellen \xC3\xA4"));
    EXPECT_EQ(Caption("Label2"), QString::fromUtf8("Bitte w\xC3\xA4hlen:"));
    EXPECT_EQ(Units()->itemText(0), QString::fromUtf8("L\xC3\xA4nge"));
    ExpectConverting();
}

// What a tooltip shows of a hint: rich text where the text looks like markup, as QToolTip does.
QString ShownTip(const QString& tip) {
    QTextDocument shown;
    if (Qt::mightBeRichText(tip)) {
        shown.setHtml(tip);
    } else {
        shown.setPlainText(tip);
    }
    return shown.toPlainText();
}

// Markup in a hint is shown as written, never rendered: a picture of /dev/zero filled memory.
TEST_F(HostileLanguage, MarkupInHintsIsShownAsWritten) {
    for (const char* hint : {"<img src=\"/dev/zero\">", "<b>bold</b> & <i>x</i> &amp;",
                             "<table><tr><td>cell", "Minimize"}) {
        SCOPED_TRACE(hint);
        WriteFile("Languages/English.isl",
                  std::string("[FrmConvert]\nBtnSysMinSize.Hint=") + hint + "\n");
        Open();
        EXPECT_EQ(ShownTip(Find<QWidget>("BtnSysMinSize")->toolTip()), QString(hint));
        Close();
    }
}

// A directory or a looping link reads as a missing file.
TEST_F(HostileLanguage, DirectoryInsteadOfTheFile) {
    MakeDirectoryInstead("Languages/English.isl");
    ExpectReadAsMissing();
    EXPECT_TRUE(DirectoryKept("Languages/English.isl"));
}

// A FIFO would hold the start-up until some writer came; it reads as a missing file.
TEST_F(HostileLanguage, FifoInsteadOfTheFile) {
    if (!MakeFifo("Languages/English.isl")) {
        GTEST_SKIP() << "no FIFOs here";
    }
    ExpectReadAsMissing();
}

TEST_F(HostileLanguage, LinkToItself) {
    if (!MakeLink("Languages/English.isl", "English.isl")) {
        GTEST_SKIP() << "no symbolic links here";
    }
    ExpectReadAsMissing();
}

} // namespace
} // namespace mensurix::testing
