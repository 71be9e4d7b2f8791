#include "widgets/named_widgets.h"

#include <QLabel>
#include <QPushButton>

#include "widgets/tab_page.h"

namespace widgets {

void Place(QWidget* child, const QRect& rect) {
    if (auto* page = qobject_cast<TabPage*>(child->parentWidget())) {
        page->place(child, rect);
        return;
    }
    child->setGeometry(rect);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption) {
    return Named(new QLabel(caption, parent), name);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& rect, const QFont& font) {
    QLabel* label = MakeLabel(parent, name);
    Place(label, rect);
    label->setFont(font);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect) {
    auto* button = Named(new QPushButton(caption, parent), name);
    Place(button, rect);
    return button;
}

QFrame* MakeLine(QWidget* parent, const QString& name, const QRect& rect, const QColor& color) {
    auto* line = Named(new QFrame(parent), name);
    line->setGeometry(rect);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
    return line;
}

}  // namespace widgets
