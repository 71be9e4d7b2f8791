#pragma once

// The control's own property sheet speaks the language Qt Designer speaks: the General page's
// Japanese texts in English unless Designer runs in Japanese. The framework's containers show
// the page as the control gives it.

#include <QLocale>
#include <QTranslator>
#include <memory>

class QWidget;

namespace tumbler::designer {

// The page's translation for a user of `locale`: none for Japanese (the page's own texts),
// English for every other language.
std::unique_ptr<QTranslator> PageTranslatorFor(const QLocale& locale);

// Every text of `page` through `translator`: labels, check boxes and list items. A text
// without a translation stays; a box grows to hold its new text.
void TranslatePage(QWidget& page, const QTranslator& translator);

}  // namespace tumbler::designer
