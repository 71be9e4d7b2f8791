#include "switch_control/designer/sheet_language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>

namespace tumbler::designer {
namespace {

// The context the page marks its texts in.
constexpr char kPageContext[] = "CTumblerPropPage";

QString Translated(const QTranslator& translator, const QString& text) {
    const QString translation = translator.translate(kPageContext, text.toUtf8().constData());
    return translation.isEmpty() ? text : translation;
}

// The page's boxes are sized for the Japanese texts: a longer translation widens its box.
void Widen(QWidget& widget) {
    widget.resize(std::max(widget.width(), widget.sizeHint().width()), widget.height());
}

template <typename Widget>
void TranslateText(const QTranslator& translator, Widget& widget) {
    widget.setText(Translated(translator, widget.text()));
    Widen(widget);
}

}  // namespace

std::unique_ptr<QTranslator> PageTranslatorFor(const QLocale& locale) {
    if (locale.language() == QLocale::Japanese) return nullptr;
    auto english = std::make_unique<QTranslator>();
    if (!english->load(QStringLiteral(":/tumbler/designer/i18n/tumbler_designer_en.qm"))) {
        return nullptr;
    }
    return english;
}

void TranslatePage(QWidget& page, const QTranslator& translator) {
    for (QLabel* label : page.findChildren<QLabel*>()) TranslateText(translator, *label);
    for (QCheckBox* box : page.findChildren<QCheckBox*>()) TranslateText(translator, *box);
    for (QComboBox* list : page.findChildren<QComboBox*>()) {
        for (int i = 0; i < list->count(); ++i) {
            list->setItemText(i, Translated(translator, list->itemText(i)));
        }
        Widen(*list);
    }
}

}  // namespace tumbler::designer
