#include "dialogs/frm_about.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

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
