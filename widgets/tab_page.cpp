#include "widgets/tab_page.h"

#include <QTabWidget>

namespace widgets {

TabPage::TabPage(QTabWidget* tabs) : QWidget(tabs), tabs_(tabs) {}

void TabPage::place(QWidget* child, const QRect& rect) {
    placed_.insert(child, rect);
    child->setGeometry(rect);
    layOut();
}

void TabPage::showEvent(QShowEvent* event) {
    layOut();
    QWidget::showEvent(event);
}

void TabPage::resizeEvent(QResizeEvent* event) {
    layOut();
    QWidget::resizeEvent(event);
}

void TabPage::layOut() {
    // The tab control is always this page's ancestor, before and after it adopts the page.
    const QPoint offset = mapTo(tabs_, QPoint(0, 0));
    for (auto it = placed_.cbegin(); it != placed_.cend(); ++it) {
        it.key()->setGeometry(it.value().translated(-offset));
    }
}

}  // namespace widgets
