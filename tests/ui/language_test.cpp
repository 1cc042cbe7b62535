#include "converter_fixture.h"

#include "ui/program_identity.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>

namespace mensurix::testing {
namespace {

class Language : public ConverterFixture {
protected:
    void SetUp() override {
        WriteFile("Units.dat", "[Length]\n*Meter=1|1\n[Mass]\n*Kilogram=1|1\n");
        WriteFile("Languages/English.isl", "[Messages]\nMS_Homepage=Homepage: %1\n"
                                           "MS_CopyRight=Copyright (C) %1\n"
                                           "[FrmConvert]\nLabel1.Caption=English digits\n");
        WriteFile("Languages/German.isl",
                  "[Messages]\nMS_Homepage=Startseite: %1 (%1)\nMS_CopyRight=(C) %1\n"
                  "[FrmConvert]\nLabel1.Caption=Stellen\nLabel2.Caption=Bitte wählen:\n"
                  "ComboBoxUnits.Items=Länge||Masse\nPM_German.Caption=Deutsch\n");
        WriteFile("Languages/Spanish.isl", "[Messages]\nMS_Homepage=Web\n"
                                           "[FrmConvert]\nLabel2.Caption=Seleccione:\n");
    }
    QString Caption(const char* label) const { return Find<QLabel>(label)->text(); }
    QAction* Item(const char* name) const { return Find<QAction>(name); }
    void Apply(const std::string& lines) {
        WriteFile("test.isl", "[FrmConvert]\n" + lines);
        window_->ApplyLanguageFile(ProgramDir() + "test.isl");
    }
};

TEST_F(Language, FirstStartWithoutSettingsIsEnglishWithoutAskingTheLocale) {
    localeName_ = "German";
    Open();
    EXPECT_TRUE(Item("PM_English")->isChecked());
    EXPECT_FALSE(Find<QLabel>("Label28")->isHidden());
    EXPECT_EQ(Find<QLabel>("Label28")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(localeQueries_, 0);
    EXPECT_EQ(Caption("Label1"), "English digits");
    EXPECT_EQ(Caption("RzURLLabel2"), QString("Homepage: ") + HomepageAddress);
    EXPECT_EQ(Caption("Label6"), QString("Copyright (C) ") + CopyrightHolderText);
    EXPECT_EQ(SavedLanguage(), 0);
}

TEST_F(Language, LocaleDecidesWhenTheSettingsChoseNothing) {
    struct Case {
        const char* locale;
        std::uint8_t saved;
        const char* checked;
        const char* label1;
    };
    const std::vector<Case> cases = {
        {"German", 2, "PM_German", "Stellen"},
        {"Japanese", 6, "PM_English", "English digits"},
        {"Klingon", 7, "PM_English", "English digits"},
        {"", 7, "PM_English", "English digits"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.locale);
        WriteFile("options.ini", "[OPTIONS]\nDigits=8\n");
        localeName_ = row.locale;
        localeQueries_ = 0;
        Open();
        EXPECT_EQ(localeQueries_, 1);
        EXPECT_TRUE(Item(row.checked)->isChecked());
        EXPECT_EQ(Caption("Label1"), row.label1);
        Close();
        EXPECT_NE(ReadFile("options.ini").find("Default=" + std::to_string(row.saved)),
                  std::string::npos);
        localeQueries_ = 0;
        Open();
        EXPECT_EQ(localeQueries_, row.saved == 7 ? 1 : 0);
        Close();
    }
}

TEST_F(Language, MessagesFillTheTwoLabels) {
    WriteFile("options.ini", "[LANGUAGE]\nDefault=2\n");
    Open();
    EXPECT_EQ(Caption("RzURLLabel2"),
              QString("Startseite: %1 (%1)").arg(HomepageAddress, HomepageAddress));
    EXPECT_EQ(Caption("Label6"), QString("(C) ") + CopyrightHolderText);
    window_->SwitchLanguage(1);
    EXPECT_EQ(Caption("RzURLLabel2"), "Web");
    EXPECT_EQ(Caption("Label6"), "");
    window_->SwitchLanguage(3);
    EXPECT_EQ(Caption("RzURLLabel2"), "");
    EXPECT_TRUE(Item("PM_Italian")->isChecked());
    EXPECT_EQ(SavedLanguage(), 3);
}

TEST_F(Language, LaterFilesApplyOverEarlierOnes) {
    Open();
    window_->SwitchLanguage(2);
    window_->SwitchLanguage(1);
    EXPECT_EQ(Caption("Label1"), "Stellen");
    EXPECT_EQ(Caption("Label2"), "Seleccione:");
}

TEST_F(Language, TranslatedCategoriesKeepTheSelection) {
    WriteFile("options.ini", "[OPTIONS]\nClass=1\n[LANGUAGE]\nDefault=2\n");
    Open();
    EXPECT_EQ(Units()->currentIndex(), 1);
    EXPECT_EQ(Units()->currentText(), "Masse");
    EXPECT_EQ(Caption("RzLabel1"), " Masse    ");
    EXPECT_EQ(From()->currentText(), "Kilogram");
}

TEST_F(Language, ListOfAnotherLengthLeavesTheCategoriesAlone) {
    Open();
    Apply("ComboBoxUnits.Items=One||Two||Three\nLabel1.Caption=still applied\n");
    EXPECT_EQ(Units()->count(), 2);
    EXPECT_EQ(Units()->itemText(0), "Length");
    EXPECT_EQ(Units()->currentIndex(), 0);
    EXPECT_EQ(Caption("Label1"), "still applied");
}

TEST_F(Language, ComponentLines) {
    Open();
    Apply("Caption=Window\nLabel1.Caption=a=b\n  label2 .  CAPTION =  spaced  \n"
          "FrmConvert.Caption=nothing\nLabel1.Font.Name=Arial\nLabel28.Visible=False\n"
          "NoSuchLabel.Caption=x\nLabel3.Caption=\nLabel1.Width=0x40\nPM_Copy.Caption=Kopieren\n"
          "BtnSysClose.Hint=Schließen\nEditValue.Text=42\nRzURLLabel2.URL=https://example.org\n");
    EXPECT_EQ(window_->windowTitle(), "Window");
    EXPECT_EQ(Caption("Label1"), "a=b");
    EXPECT_EQ(Caption("Label2"), "spaced");
    EXPECT_EQ(Caption("Label3"), "");
    EXPECT_EQ(Find<QLabel>("Label1")->width(), 64);
    EXPECT_FALSE(Find<QLabel>("Label28")->isHidden());
    EXPECT_EQ(Find<QAction>("PM_Copy")->text(), "Kopieren");
    EXPECT_EQ(Find<QWidget>("BtnSysClose")->toolTip(), "Schließen");
    EXPECT_EQ(Value()->text(), "42");
    EXPECT_EQ(Cell(1, 0), "42");
}

TEST_F(Language, FirstFailingLineEndsTheFile) {
    Open();
    const int width = Find<QLabel>("Label1")->width();
    Apply("Label3.Caption=before\nLabel1.Width=abc\nLabel2.Caption=after\n");
    EXPECT_EQ(Caption("Label3"), "before");
    EXPECT_EQ(Find<QLabel>("Label1")->width(), width);
    EXPECT_EQ(Caption("Label2"), "Please select:");
}

TEST_F(Language, MenuSwitchesOnlyToAnotherLanguage) {
    Open();
    WriteFile("Languages/English.isl", "[FrmConvert]\nLabel1.Caption=changed on disk\n");
    Item("PM_English")->trigger();
    EXPECT_EQ(Caption("Label1"), "English digits");
    Item("PM_German")->trigger();
    EXPECT_TRUE(Item("PM_German")->isChecked());
    EXPECT_FALSE(Item("PM_English")->isChecked());
    EXPECT_EQ(SavedLanguage(), 2);
    Open();
    Item("PM_English")->trigger();
    EXPECT_EQ(Caption("Label1"), "changed on disk");
}

TEST_F(Language, EnglishItemLeavesChineseJapaneseAndUnchosen) {
    for (const std::uint8_t index : {5, 6, 7}) {
        WriteFile("options.ini", "[LANGUAGE]\nDefault=" + std::to_string(index) + "\n");
        localeName_ = index == 5 ? "Chinese" : index == 6 ? "Japanese" : "Dutch";
        Open();
        EXPECT_TRUE(Item("PM_English")->isChecked());
        EXPECT_EQ(SavedLanguage(), index);
        Open();
        Item("PM_English")->trigger();
        EXPECT_EQ(SavedLanguage(), 0);
    }
}

TEST_F(Language, MenuOpensBelowTheLabel) {
    Open();
    window_->show();
    window_->move(123, 77);
    window_->OpenLanguageMenu();
    auto* menu = Find<QMenu>("PopupMenuView");
    const auto* label = Find<QLabel>("Label28");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), label->mapToGlobal(QPoint(0, label->height())));
    menu->close();
}

// Whatever a file gives the window's own geometry, the window keeps at least its designed size
// and stays wholly on the screen, close button included; components still go where it says.
TEST_F(Language, CannotLockTheUserOutOfTheWindow) {
    Open();
    const QRect screen = window_->screen()->availableGeometry();
    struct Case {
        const char* lines;
        QSize size;
    };
    const std::vector<Case> cases = {
        {"Width=0\n", {610, 450}},
        {"Height=0\nWidth=-5\n", {610, 450}},
        {"Width=100000\nHeight=100000\n", screen.size()},
        {"Left=-3000\nTop=-3000\n", {610, 450}},
        {"Left=100000\nTop=100000\n", {610, 450}},
        {"Left=-2147483648\nTop=2147483647\n", {610, 450}},
        {"Width=700\nLeft=2\nTop=3\n", {700, 450}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.lines);
        window_->setFixedSize(610, 450);
        window_->move(screen.topLeft() + QPoint(20, 20));
        Apply(row.lines);
        EXPECT_EQ(window_->size(), row.size);
        EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
        EXPECT_TRUE(screen.contains(window_->frameGeometry()))
            << window_->x() << "," << window_->y();
    }
    EXPECT_EQ(window_->pos(), screen.topLeft() + QPoint(2, 3));
    Apply("Label1.Left=-40\nLabel1.Width=0\n");
    EXPECT_EQ(Find<QLabel>("Label1")->geometry(), QRect(-40, 34, 0, 33));
    // No component grows past its screen or goes further off the window than that.
    Apply("Label1.Top=2147483647\nComboBoxUnits.Width=16777215\nComboBoxFrom.Height=16777215\n"
          "SpinEditDec.Width=16777215\nSpinEditDec.Height=16777215\n");
    EXPECT_EQ(Find<QLabel>("Label1")->y(), screen.height());
    EXPECT_EQ(Units()->width(), screen.width());
    EXPECT_EQ(From()->height(), screen.height());
    EXPECT_EQ(Digits()->size(), screen.size());
}

} // namespace
} // namespace mensurix::testing
