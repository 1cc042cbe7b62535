#include "converter_fixture.h"

#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/shadow_image_draw.h"

#include <QLabel>

namespace mensurix::testing {
namespace {

using StartUp = ConverterFixture;

TEST_F(StartUp, MissingCatalogueIsReportedOnceAndTheWindowStillOpens) {
    Open();
    ASSERT_EQ(reported_.size(), 1U);
    const QString expected =
        "Cannot open file \"" + QString::fromStdString(window_->ProgramDir()) + "Units.dat\". ";
    EXPECT_TRUE(reported_[0].startsWith(expected)) << reported_[0].toStdString();
    EXPECT_TRUE(reported_[0].endsWith('.'));
    EXPECT_EQ(Units()->count(), 0);
    EXPECT_NE(window_->Shadow(), nullptr);
    EXPECT_FALSE(window_->mask().isEmpty());
    // The steps after the catalogue did not run: no language applied.
    EXPECT_TRUE(Find<QLabel>("Label28")->isHidden());
    EXPECT_EQ(Find<QLabel>("Label6")->text(), "");
    Close();
    EXPECT_EQ(reported_.size(), 1U);
    EXPECT_TRUE(FileExists("options.ini"));
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
    window_->FormDestroy();
    const std::string written = ReadFile("options.ini");
    EXPECT_NE(written.find("Class=1"), std::string::npos) << written;
    WriteFile("options.ini", "untouched");
    Close();
    EXPECT_EQ(ReadFile("options.ini"), "untouched");
}

} // namespace
} // namespace mensurix::testing
