#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt_message_boxes.h"

namespace platform {
namespace {

constexpr QRgb ThemeBlue = 0xff0000ff;

// The desktop's icon theme replaced by one whose every dialog icon is pure blue: a box that
// took its picture or a button face from the theme would show blue.
class MessageBox : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(themes_.isValid());
        QDir root(themes_.path());
        ASSERT_TRUE(root.mkpath("probe/32"));
        QFile index(root.filePath("probe/index.theme"));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=probe\nDirectories=32\n\n[32]\nSize=32\nType=Fixed\n");
        index.close();
        QImage blue(32, 32, QImage::Format_ARGB32);
        blue.fill(ThemeBlue);
        for (const char* name :
             {"dialog-error", "dialog-warning", "dialog-question", "dialog-information",
              "dialog-ok", "dialog-cancel", "dialog-ok-apply", "dialog-yes", "dialog-no"})
            ASSERT_TRUE(blue.save(root.filePath(QString("probe/32/%1.png").arg(name))));
        searchPaths_ = QIcon::themeSearchPaths();
        themeName_ = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes_.path()});
        QIcon::setThemeName("probe");
    }
    void TearDown() override {
        QIcon::setThemeSearchPaths(searchPaths_);
        QIcon::setThemeName(themeName_);
    }

    static bool HasThemeBlue(const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == ThemeBlue) return true;
        return false;
    }

    QTemporaryDir themes_;
    QStringList searchPaths_;
    QString themeName_;
};

TEST_F(MessageBox, AFailureBoxDrawsItsOwnStopPictureAndPlainButtons) {
    const auto box = MakeMessageBox("QM4417 Error!",
                                    "Communication Time Out!\r\nPlease Check Communication Line",
                                    MessageIcon::Stop, MessageButtons::Ok, "", nullptr);
    EXPECT_EQ(box->windowTitle(), "QM4417 Error!");
    EXPECT_EQ(box->text(), "Communication Time Out!\nPlease Check Communication Line");
    const QImage picture = box->iconPixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_FALSE(HasThemeBlue(picture));
    // Red round the white cross.
    const QColor ring = picture.pixelColor(picture.width() / 2, picture.height() / 6);
    EXPECT_GT(ring.red(), 150);
    EXPECT_LT(ring.green(), 80);
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::white));
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->buttons()[0]->text(), "&OK");
    EXPECT_TRUE(box->buttons()[0]->icon().isNull());
    EXPECT_EQ(box->defaultButton(), box->buttons()[0]);
    EXPECT_TRUE(box->detailedText().isEmpty());
}

TEST_F(MessageBox, AQuestionAnswersYesByDefaultAndNoOnEscape) {
    const auto box = MakeMessageBox("QM4417", "Overwrite?", MessageIcon::Question,
                                    MessageButtons::YesNo, "", nullptr);
    ASSERT_EQ(box->buttons().size(), 2);
    for (QAbstractButton* button : box->buttons()) EXPECT_TRUE(button->icon().isNull());
    ASSERT_NE(box->defaultButton(), nullptr);
    EXPECT_EQ(box->defaultButton()->text(), "&Yes");
    EXPECT_EQ(box->buttonRole(box->defaultButton()), QMessageBox::YesRole);
    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    ASSERT_NE(box->clickedButton(), nullptr);
    EXPECT_EQ(box->clickedButton()->text(), "&No");
    EXPECT_EQ(box->buttonRole(box->clickedButton()), QMessageBox::NoRole);
}

TEST_F(MessageBox, EachKindHasItsOwnPictureAndNoneHasNone) {
    const QImage stop = MessageBoxPicture(MessageIcon::Stop, 32).toImage();
    const QImage warning = MessageBoxPicture(MessageIcon::Warning, 32).toImage();
    const QImage question = MessageBoxPicture(MessageIcon::Question, 32).toImage();
    for (const QImage* picture : {&stop, &warning, &question}) {
        EXPECT_EQ(picture->size(), QSize(32, 32));
        EXPECT_FALSE(HasThemeBlue(*picture));
    }
    EXPECT_NE(stop, warning);
    EXPECT_NE(stop, question);
    EXPECT_NE(warning, question);
    EXPECT_TRUE(MessageBoxPicture(MessageIcon::None, 32).isNull());
    const auto box = MakeMessageBox("QM4417", "Text", MessageIcon::None, MessageButtons::Ok,
                                    "COM1 opens /dev/ttyS0: no such device.", nullptr);
    EXPECT_TRUE(box->iconPixmap().isNull());
    EXPECT_EQ(box->detailedText(), "COM1 opens /dev/ttyS0: no such device.");
}

}  // namespace
TEST_F(MessageBox, SpeaksInTheFaceOfItsWindow) {
    QWidget window;
    window.setFont(QFont("Arial", 9));
    const auto box =
        MakeMessageBox("QM4417", "Text", MessageIcon::Stop, MessageButtons::Ok, "", &window);
    EXPECT_EQ(box->font(), window.font());
    const auto alone =
        MakeMessageBox("QM4417", "Text", MessageIcon::Stop, MessageButtons::Ok, "", nullptr);
    EXPECT_EQ(alone->font(), QApplication::font());
}

}  // namespace platform
