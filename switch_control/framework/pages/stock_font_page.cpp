#include "switch_control/framework/pages/stock_font_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>

#include "switch_control/framework/pages/dialog_font.h"

namespace tumbler::framework {
namespace {

DialogTemplate FontPageTemplate() {
    return {
        "",
        0,
        0,
        250,
        110,
        "ＭＳ Ｐゴシック",
        9.0,
        {
            {-1, DialogItemKind::Label, "Property Name:", 7, 7, 60, 10},
            {StockPage::kIdProperty, DialogItemKind::DropDownList, "", 7, 18, 100, 80},
            {-1, DialogItemKind::Label, "Font:", 7, 37, 60, 10},
            {StockFontPage::kIdFamily, DialogItemKind::DropDownList, "", 7, 48, 100, 120},
            {-1, DialogItemKind::Label, "Size:", 115, 37, 40, 10},
            {StockFontPage::kIdSize, DialogItemKind::Edit, "", 115, 48, 30, 13},
            {StockFontPage::kIdBold, DialogItemKind::CheckBox, "Bold", 160, 18, 60, 10},
            {StockFontPage::kIdItalic, DialogItemKind::CheckBox, "Italic", 160, 31, 60, 10},
            {StockFontPage::kIdUnderline, DialogItemKind::CheckBox, "Underline", 160, 44, 60, 10},
            {StockFontPage::kIdStrikeOut, DialogItemKind::CheckBox, "Strikeout", 160, 57, 60, 10},
            {StockFontPage::kIdSample, DialogItemKind::Label, "AaBbYyZz あア亜", 7, 72, 236, 30},
        }};
}

}  // namespace

StockFontPage::StockFontPage(QWidget* parent)
    : StockPage(FontPageTemplate(), "Fonts", VarType::Font, parent) {
    auto* family = DialogItemAs<QComboBox>(this, kIdFamily);
    family->addItems(QFontDatabase::families());
    family->setCurrentIndex(-1);
    connect(family, &QComboBox::activated, this, &StockFontPage::TakeUserChange);
    connect(DialogItemAs<QLineEdit>(this, kIdSize), &QLineEdit::editingFinished, this,
            &StockFontPage::TakeUserChange);
    for (int id : {kIdBold, kIdItalic, kIdUnderline, kIdStrikeOut}) {
        connect(DialogItemAs<QCheckBox>(this, id), &QCheckBox::clicked, this,
                &StockFontPage::TakeUserChange);
    }
}

FontDescription StockFontPage::FontFromControls() const {
    const Variant current = Value(SelectedProperty());
    FontDescription font = current.Type() == VarType::Font ? current.AsFont() : DefaultStockFont();
    const QString family = DialogItemAs<QComboBox>(this, kIdFamily)->currentText();
    if (!family.isEmpty()) font.family = family.toStdString();
    bool ok = false;
    const double size = DialogItemAs<QLineEdit>(this, kIdSize)->text().toDouble(&ok);
    if (ok) font.pointSize = size;
    font.weight = DialogItemAs<QCheckBox>(this, kIdBold)->isChecked() ? 700 : 400;
    font.italic = DialogItemAs<QCheckBox>(this, kIdItalic)->isChecked();
    font.underline = DialogItemAs<QCheckBox>(this, kIdUnderline)->isChecked();
    font.strikeOut = DialogItemAs<QCheckBox>(this, kIdStrikeOut)->isChecked();
    return font;
}

void StockFontPage::TakeUserChange() {
    const FontDescription font = FontFromControls();
    // A size the control could not use is not taken; the field shows the old one again.
    if (!IsUsableFont(font)) {
        ShowValue(Value(SelectedProperty()));
        return;
    }
    SetSelectedValue(Variant::Font(font));
    ShowValue(Variant::Font(font));
}

void StockFontPage::ShowValue(const Variant& value) {
    if (value.Type() != VarType::Font) return;
    const FontDescription& font = value.AsFont();
    auto* family = DialogItemAs<QComboBox>(this, kIdFamily);
    const int index = family->findText(QString::fromStdString(font.family));
    if (index < 0) family->addItem(QString::fromStdString(font.family));
    family->setCurrentIndex(index < 0 ? family->count() - 1 : index);
    DialogItemAs<QLineEdit>(this, kIdSize)->setText(QString::number(font.pointSize));
    DialogItemAs<QCheckBox>(this, kIdBold)->setChecked(font.weight >= 600);
    DialogItemAs<QCheckBox>(this, kIdItalic)->setChecked(font.italic);
    DialogItemAs<QCheckBox>(this, kIdUnderline)->setChecked(font.underline);
    DialogItemAs<QCheckBox>(this, kIdStrikeOut)->setChecked(font.strikeOut);
    QFont sample = DialogFont(font.family, font.pointSize);
    sample.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    sample.setItalic(font.italic);
    sample.setUnderline(font.underline);
    sample.setStrikeOut(font.strikeOut);
    DialogItemAs<QLabel>(this, kIdSample)->setFont(sample);
}

}  // namespace tumbler::framework
