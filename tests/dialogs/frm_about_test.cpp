#include "dialogs/frm_about.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "dialogs/about_picture.h"
#include "platform/fakes/fake_program_identity.h"

namespace dialogs {
namespace {

TEST(FrmAbout, ShowsTheProgramIdentity) {
    platform::FakeProgramIdentity identity;
    frmAbout about(identity);
    EXPECT_EQ(about.windowTitle(), "About QM4417");
    EXPECT_EQ(about.lblVersion->text(), "Version 1.0.0");
    EXPECT_EQ(about.lblTitle->text(), "QM4417");
    EXPECT_EQ(about.lblFileDescription->text(), "KV3907P410 Setup Program");
    EXPECT_EQ(about.lblDisclaimer->text(), "Copyright (C) 2026 Norvikon");
    EXPECT_EQ(about.cmdOK->text(), "OK");
    EXPECT_EQ(about.picIcon->pixmap().size(), QSize(199, 109));
    EXPECT_EQ(about.geometry(), QRect(156, 129, 384, 187));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
}

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    return colours;
}

TEST(AboutPicture, HasAtMost256ColoursAndNoDitherSpeckle) {
    const QImage picture = AboutPicture().toImage();
    ASSERT_EQ(picture.size(), QSize(199, 109));
    EXPECT_LE(Colours(picture).size(), 256);
    // The unit's case shades from top to bottom only, so each row of its plain part (right of
    // the read-out and the lamps, above the name) is one colour; error diffusion breaks that.
    for (int y = 12; y <= 56; ++y) {
        for (int x = 92; x <= 118; ++x)
            ASSERT_EQ(picture.pixel(x, y), picture.pixel(92, y)) << x << "," << y;
    }
    EXPECT_EQ(picture.pixel(2, 100), QColor(192, 192, 192).rgb());  // the backdrop stays exact
}

TEST(AboutPicture, ReductionKeepsFewColoursExactAndGivesTheRestTheirNearest) {
    QImage few(40, 5, QImage::Format_RGB32);
    for (int x = 0; x < 40; ++x) {
        for (int y = 0; y < 5; ++y) few.setPixel(x, y, qRgb(x * 6, y * 50, 7));
    }
    const QImage exact = ToIndexed8(few);
    EXPECT_EQ(exact.format(), QImage::Format_Indexed8);
    EXPECT_EQ(exact.convertToFormat(QImage::Format_RGB32), few);

    // 300 shades side by side, each column one shade: reduced, 256 of them stay exact and
    // each column is still one colour (no error diffusion into the rows below).
    QImage many(300, 6, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
        for (int y = 0; y < 6; ++y) many.setPixel(x, y, qRgb(50 + x % 150, x < 150 ? 0 : 100, 0));
    }
    const QImage reduced = ToIndexed8(many);
    EXPECT_EQ(Colours(reduced).size(), 256);
    int exactColumns = 0;
    for (int x = 0; x < 300; ++x) {
        for (int y = 1; y < 6; ++y) ASSERT_EQ(reduced.pixel(x, y), reduced.pixel(x, 0)) << x;
        exactColumns += reduced.pixel(x, 0) == many.pixel(x, 0) ? 1 : 0;
    }
    EXPECT_EQ(exactColumns, 256);
}

TEST(FrmAbout, EnterAndEscapeCloseIt) {
    platform::FakeProgramIdentity identity;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout about(identity);
        about.show();
        about.lblTitle->setFocus();
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

}  // namespace
}  // namespace dialogs
