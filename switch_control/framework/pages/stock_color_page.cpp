#include "switch_control/framework/pages/stock_color_page.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tumbler::framework {
namespace {

// The palette, 0x00BBGGRR.
constexpr OleColor kPalette[StockColorPage::kSwatches] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

const char* const kSystemColorNames[SystemColorTable::kCount] = {"Scroll Bars",
                                                                 "Desktop",
                                                                 "Active Title Bar",
                                                                 "Inactive Title Bar",
                                                                 "Menu Bar",
                                                                 "Window Background",
                                                                 "Window Frame",
                                                                 "Menu Text",
                                                                 "Window Text",
                                                                 "Active Title Bar Text",
                                                                 "Active Border",
                                                                 "Inactive Border",
                                                                 "Application Workspace",
                                                                 "Highlight",
                                                                 "Highlight Text",
                                                                 "Button Face",
                                                                 "Button Shadow",
                                                                 "Disabled Text",
                                                                 "Button Text",
                                                                 "Inactive Title Bar Text",
                                                                 "Button Highlight",
                                                                 "Button Dark Shadow",
                                                                 "Button Light Shadow",
                                                                 "ToolTip Text",
                                                                 "ToolTip",
                                                                 "Unused",
                                                                 "Hot Track",
                                                                 "Active Title Bar Gradient",
                                                                 "Inactive Title Bar Gradient",
                                                                 "Menu Highlight",
                                                                 "Menu Bar Face"};

DialogTemplate ColorPageTemplate() {
    DialogTemplate page{"", 0, 0, 250, 110, "ＭＳ Ｐゴシック", 9.0, {}};
    page.items.push_back({-1, DialogItemKind::Label, "Property Name:", 7, 7, 60, 10});
    page.items.push_back(
        {StockPage::kIdProperty, DialogItemKind::DropDownList, "", 7, 18, 100, 80});
    page.items.push_back({-1, DialogItemKind::Label, "System Color:", 7, 40, 60, 10});
    page.items.push_back(
        {StockColorPage::kIdSystemColor, DialogItemKind::DropDownList, "", 7, 51, 100, 120});
    page.items.push_back({StockColorPage::kIdSample, DialogItemKind::Label, "", 7, 75, 100, 20});
    page.items.push_back({-1, DialogItemKind::Label, "Color Palette:", 120, 7, 80, 10});
    for (int i = 0; i < StockColorPage::kSwatches; ++i) {
        page.items.push_back({StockColorPage::kIdFirstSwatch + i, DialogItemKind::PushButton, "",
                              120 + (i % 4) * 28, 18 + (i / 4) * 20, 24, 16});
    }
    return page;
}

QString CssColor(Rgb rgb) {
    return QStringLiteral("#%1%2%3")
        .arg(drawing::RedOf(rgb), 2, 16, QLatin1Char('0'))
        .arg(drawing::GreenOf(rgb), 2, 16, QLatin1Char('0'))
        .arg(drawing::BlueOf(rgb), 2, 16, QLatin1Char('0'));
}

}  // namespace

StockColorPage::StockColorPage(QWidget* parent)
    : StockPage(ColorPageTemplate(), "Colors", VarType::Color, parent) {
    for (int i = 0; i < kSwatches; ++i) {
        auto* swatch = DialogItemAs<QPushButton>(this, kIdFirstSwatch + i);
        swatch->setStyleSheet(QStringLiteral("background-color: %1").arg(CssColor(kPalette[i])));
        swatch->setToolTip(QStringLiteral("0x%1").arg(kPalette[i], 6, 16, QLatin1Char('0')));
        connect(swatch, &QPushButton::clicked, this, [this, i] { Choose(kPalette[i]); });
    }
    auto* system = DialogItemAs<QComboBox>(this, kIdSystemColor);
    for (int i = 0; i < SystemColorTable::kCount; ++i) system->addItem(kSystemColorNames[i]);
    system->setCurrentIndex(-1);
    connect(system, &QComboBox::activated, this, [this](int index) { Choose(SystemColor(index)); });
}

// The sample shows the colour as it will be drawn; the system list names a system colour.
void StockColorPage::ShowValue(const Variant& value) {
    auto* sample = DialogItemAs<QLabel>(this, kIdSample);
    auto* system = DialogItemAs<QComboBox>(this, kIdSystemColor);
    const QSignalBlocker quiet(system);
    Rgb rgb = 0;
    if (value.Type() != VarType::Color ||
        Failed(TranslateColor(value.AsColor(), SystemColors(), &rgb))) {
        sample->setStyleSheet(QString());
        system->setCurrentIndex(-1);
        return;
    }
    sample->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid black").arg(CssColor(rgb)));
    const OleColor color = value.AsColor();
    system->setCurrentIndex((color & 0x80000000u) != 0 ? static_cast<int>(color & 0xFF) : -1);
}

}  // namespace tumbler::framework
