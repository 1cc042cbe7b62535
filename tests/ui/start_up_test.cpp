#include "converter_fixture.h"

#include "../window_shadow.h"

#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/shadow_image_draw.h"

#include <QLabel>
#include <QTest>

#include <vector>

namespace mensurix::testing {
namespace {

using StartUp = ConverterFixture;

TEST_F(StartUp, MissingCatalogueIsReportedOnceAndTheWindowStillOpens) {
    Open();
    ASSERT_EQ(reported_.size(), 1U);
    const QString expected =
        "Cannot open file \"" + QString::fromStdString(ProgramDir()) + "Units.dat\". ";
    EXPECT_TRUE(reported_[0].startsWith(expected)) << reported_[0].toStdString();
    EXPECT_TRUE(reported_[0].endsWith('.'));
    EXPECT_EQ(Units()->count(), 0);
    EXPECT_NE(WindowShadow(), nullptr);
    EXPECT_FALSE(window_->mask().isEmpty());
    // The steps after the catalogue did not run: no language applied, the design texts stand.
    EXPECT_TRUE(Find<QLabel>("Label28")->isHidden());
    EXPECT_EQ(Find<QLabel>("Label6")->text(), "Copyright (C) 2026 The Mensurix Authors.");
    EXPECT_EQ(Find<QLabel>("RzURLLabel2")->text(), "Homepage: https://mensurix.org");
    QTest::mouseClick(Find<QLabel>("RzURLLabel2"), Qt::LeftButton);
    EXPECT_EQ(opened_, std::vector<QString>{"https://mensurix.org"});
    // Nothing was read and nothing changed, so nothing is written.
    Close();
    EXPECT_EQ(reported_.size(), 1U);
    EXPECT_FALSE(FileExists("options.ini"));
    EXPECT_FALSE(FileExists("user-settings"));
}

TEST_F(StartUp, FailedStartKeepsTheStoredSettingsTheUserDidNotChange) {
    const std::string stored = "[OPTIONS]\r\nDigits=5\r\nSeparators=1\r\nClass=2\r\n"
                               "[LANGUAGE]\r\nDefault=3\r\n";
    struct Case {
        const char* name;
        int digits; // -1: left alone
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"left alone", -1, stored},
        {"digits changed", 12,
         "[OPTIONS]\r\nDigits=12\r\nSeparators=1\r\nClass=2\r\n[LANGUAGE]\r\nDefault=3\r\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        WriteFile("options.ini", stored);
        Open();
        if (row.digits >= 0) {
            Digits()->setValue(row.digits);
        }
        Close();
        EXPECT_EQ(ReadFile("options.ini"), row.expected);
    }
}

TEST_F(StartUp, InstalledCopyFindsItsDataAndKeepsTheSettingsInTheUserFolder) {
    programFolder_ = "bin/";
    WriteFile("bin/mensurix", "");
    InstallShippedData("share/mensurix/");
    Open();
    EXPECT_TRUE(reported_.empty());
    EXPECT_EQ(ProgramDir(), dir_.path().toStdString() + "/bin/");
    EXPECT_GT(Units()->count(), 10);
    EXPECT_FALSE(Find<QLabel>("Label6")->text().isEmpty());
    Digits()->setValue(3);
    Close();
    EXPECT_TRUE(FileExists("user-settings/options.ini"));
    EXPECT_FALSE(FileExists("bin/options.ini"));
    Open();
    EXPECT_EQ(Digits()->value(), 3);
}

TEST_F(StartUp, InstalledCopyReportsAUserFolderItCannotWrite) {
    programFolder_ = "bin/";
    InstallShippedData("share/mensurix/");
    // A file where the settings folder should be: neither folder nor settings can be made.
    WriteFile("user-settings", "");
    Open();
    Close();
    ASSERT_EQ(reported_.size(), 1U);
    EXPECT_EQ(reported_[0], "Unable to write to " + dir_.path() + "/user-settings/options.ini.");
    EXPECT_EQ(ReadFile("user-settings"), "");
}

TEST_F(StartUp, WindowShapeLeavesOutTheFirstColumnAndRow) {
    WriteFile("Units.dat", "[A]\n*x=1\n");
    Open();
    const QRegion shape = window_->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 200)));
    EXPECT_FALSE(shape.contains(QPoint(300, 0)));
    EXPECT_TRUE(shape.contains(QPoint(1, 200)));
    EXPECT_TRUE(shape.contains(QPoint(609, 200)));
    EXPECT_TRUE(shape.contains(QPoint(300, 449)));
    EXPECT_FALSE(shape.contains(QPoint(1, 1)));
    EXPECT_EQ(shape.boundingRect(), QRect(1, 1, 609, 449));
}

// The build draws the halo of a window of this shape ahead of time; a window changed without the
// build's figures would have its halo blurred at every start.
TEST_F(StartUp, WindowShapeIsTheOneWhoseHaloTheBuildDrew) {
    WriteFile("Units.dat", "[A]\n*x=1\n");
    Open();
    ShadowOpacities halo;
    EXPECT_TRUE(DrawShadowOpacities(halo, window_->frameGeometry().width() + 2 * ShadowMargin,
                                    window_->frameGeometry().height() + 2 * ShadowMargin,
                                    OwnerShadowShape(*window_), std::nullopt));
}

TEST_F(StartUp, ShutDownWritesTheSettingsOnce) {
    WriteFile("Units.dat", "[A]\n*x=1\n[B]\n*y=1\n");
    Open();
    Choose(Units(), 1);
    Digits()->setValue(3);
    window_->ShutDown();
    const std::string written = ReadFile("options.ini");
    EXPECT_NE(written.find("Class=1"), std::string::npos) << written;
    WriteFile("options.ini", "untouched");
    Close();
    EXPECT_EQ(ReadFile("options.ini"), "untouched");
}

} // namespace
} // namespace mensurix::testing
