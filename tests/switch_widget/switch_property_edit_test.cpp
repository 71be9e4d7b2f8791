// The Designer task menu's edit: the control's own sheet on a copy, its changes as properties.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "switch_control/designer/switch_property_edit.h"
#include "switch_control/framework/pages/dialog_template.h"
#include "switch_control/framework/pages/property_sheet.h"
#include "switch_control/property_page/tumbler_prop_page.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/widget/tumbler_switch.h"

namespace {

namespace fw = tumbler::framework;
using tumbler::designer::EditCopy;
using tumbler::designer::PropertyChange;

TEST(SwitchPropertyEditTest, ReportsOnlyWhatTheEditChangedAndLeavesTheWidget) {
    TumblerSwitch widget;
    widget.setCaption(QStringLiteral("FEED"));
    const auto changes = EditCopy(widget, [](TumblerSwitch& copy) {
        EXPECT_EQ(copy.caption(), QStringLiteral("FEED"));
        copy.setSwitchShape(TumblerSwitch::type7);
        copy.setLedColor(Qt::green);
        copy.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    });
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0], PropertyChange("switchShape", QVariant::fromValue(TumblerSwitch::type7)));
    EXPECT_EQ(changes[1].first, "ledColor");
    EXPECT_EQ(changes[1].second.value<QColor>(), QColor(Qt::green));
    EXPECT_EQ(changes[2].first, "font");
    EXPECT_EQ(widget.switchShape(), TumblerSwitch::type1);
    EXPECT_EQ(widget.caption(), QStringLiteral("FEED"));
}

TEST(SwitchPropertyEditTest, TheSheetsGeneralPageChangesTheShape) {
    TumblerSwitch widget;
    QStringList tabs;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<fw::PropertySheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        for (int i = 0; i < sheet->PageCount(); ++i) tabs << sheet->Tabs()->tabText(i);
        auto* shapes = fw::DialogItemAs<QComboBox>(sheet->Page(0), tumbler::kIdcSwitchShape);
        ASSERT_NE(shapes, nullptr);
        shapes->setCurrentIndex(4);
        emit shapes->activated(4);
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const auto changes = EditCopy(
        widget, [&](TumblerSwitch& copy) { tumbler::designer::RunPropertySheet(copy, &widget); });
    EXPECT_EQ(tabs, QStringList({"General", "Colors", "Fonts"}));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], PropertyChange("switchShape", QVariant::fromValue(TumblerSwitch::type5)));
}

// What the General page of a sheet opened in `language` shows: its labels, the check box and
// the shape list.
QStringList GeneralPageTexts(const QLocale& language) {
    TumblerSwitch widget;
    QStringList texts;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<fw::PropertySheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        QWidget* page = sheet->Page(0);
        for (const QLabel* label : page->findChildren<QLabel*>()) {
            texts << label->text();
            // The label is wide enough for its text.
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
        texts << page->findChild<QCheckBox*>()->text();
        auto* shapes = fw::DialogItemAs<QComboBox>(page, tumbler::kIdcSwitchShape);
        for (int i = 0; i < shapes->count(); ++i) texts << shapes->itemText(i);
        sheet->reject();
    });
    EditCopy(widget, [&](TumblerSwitch& copy) {
        tumbler::designer::RunPropertySheet(copy, &widget, language);
    });
    return texts;
}

// In Designer the sheet speaks Designer's language: Japanese as the control has it, English
// for every other language.
TEST(SwitchPropertyEditTest, TheSheetSpeaksEnglishUnlessDesignerRunsInJapanese) {
    const QStringList english{"Appearance",
                              "Border",
                              "Shape",
                              "Orientation",
                              "Caption at",
                              "Caption",
                              "Switch on",
                              "0-Rocker",
                              "1-Rocker with lamp",
                              "2-Lever",
                              "3-Square button",
                              "4-Round button",
                              "5-Lit square button",
                              "6-Lit round button"};
    EXPECT_EQ(GeneralPageTexts(QLocale(QLocale::English)), english);
    EXPECT_EQ(GeneralPageTexts(QLocale(QLocale::German)), english);
    const QStringList japanese = GeneralPageTexts(QLocale(QLocale::Japanese));
    ASSERT_EQ(japanese.size(), english.size());
    EXPECT_EQ(japanese[2], QStringLiteral("形状"));
    EXPECT_EQ(japanese[6], QStringLiteral("スイッチ ON"));
    EXPECT_EQ(japanese[9], QStringLiteral("2-type3 (バー型スイッチ)　"));
}

// Receives the file URLs the desktop would open.
class OpenedUrls : public QObject {
    Q_OBJECT
  public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    Q_INVOKABLE void Open(const QUrl& url) { urls << url; }
    QList<QUrl> urls;
};

// Help on the General page opens the installed reference, or says where it is missing.
TEST(SwitchPropertyEditTest, HelpOpensTheReferenceOrSaysItIsMissing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString index = dir.filePath(QStringLiteral("index.html"));
    auto pressHelp = [](const QString& reference) {
        TumblerSwitch widget;
        QString said;
        QTimer::singleShot(0, [&] {
            auto* sheet = qobject_cast<fw::PropertySheet*>(QApplication::activeModalWidget());
            ASSERT_NE(sheet, nullptr);
            QTimer::singleShot(0, [&said, sheet] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    said = box->text();
                    box->accept();
                }
                sheet->reject();
            });
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        });
        EditCopy(widget, [&](TumblerSwitch& copy) {
            tumbler::designer::RunPropertySheet(copy, &widget, QLocale(QLocale::English),
                                                reference);
        });
        return said;
    };
    OpenedUrls opened;
    const QString missing = pressHelp(index);
    EXPECT_TRUE(missing.contains(index)) << missing.toStdString();
    EXPECT_TRUE(missing.contains(QStringLiteral("libtumbler-widget-dev")));
    EXPECT_TRUE(opened.urls.isEmpty());

    QFile page(index);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    EXPECT_EQ(pressHelp(index), QString());
    EXPECT_EQ(opened.urls, QList<QUrl>({QUrl::fromLocalFile(index)}));
    // The package's documentation folder under the installation prefix.
    EXPECT_TRUE(tumbler::designer::InstalledReference().endsWith(
        QStringLiteral("/share/doc/libtumbler-widget-dev/html/index.html")));
}

}  // namespace

#include "switch_property_edit_test.moc"
