#include "switch_control/framework/pages/dialog_template.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "switch_control/framework/pages/dialog_font.h"

namespace tumbler::framework {
namespace {

constexpr const char* kIdProperty = "dialogItemId";

QString ObjectName(int id) {
    return QStringLiteral("item%1").arg(id);
}

QWidget* MakeItem(const DialogItem& item, const DialogUnits& units, QWidget* host) {
    const QString text = QString::fromStdString(item.text);
    QRect rect = units.Rect(item.x, item.y, item.width, item.height);
    QWidget* widget = nullptr;
    switch (item.kind) {
        case DialogItemKind::Label: {
            auto* label = new QLabel(text, host);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            widget = label;
            break;
        }
        case DialogItemKind::Icon: {
            // The text names the icon's image resource; an icon keeps its own size.
            auto* icon = new QLabel(host);
            icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            icon->setPixmap(QPixmap(text));
            rect.setSize(icon->sizeHint().expandedTo(rect.size()));
            widget = icon;
            break;
        }
        case DialogItemKind::PushButton:
        case DialogItemKind::DefaultPushButton: {
            auto* button = new QPushButton(text, host);
            button->setDefault(item.kind == DialogItemKind::DefaultPushButton);
            button->setAutoDefault(item.kind == DialogItemKind::DefaultPushButton);
            widget = button;
            break;
        }
        case DialogItemKind::DropDownList: {
            auto* list = new QComboBox(host);
            list->setEditable(false);
            list->setFocusPolicy(Qt::StrongFocus);
            // The template gives the opened height; the closed box takes the font's height.
            const int itemHeight = QFontMetrics(host->font()).height() + 2;
            list->setMaxVisibleItems(std::max(1, (rect.height() - itemHeight) / itemHeight));
            rect.setHeight(list->sizeHint().height());
            widget = list;
            break;
        }
        case DialogItemKind::Edit: {
            auto* edit = new QLineEdit(host);
            edit->setFrame(true);
            widget = edit;
            break;
        }
        case DialogItemKind::CheckBox: {
            auto* check = new QCheckBox(text, host);
            if (item.textOnLeft) check->setLayoutDirection(Qt::RightToLeft);
            widget = check;
            break;
        }
    }
    widget->setGeometry(rect);
    if (item.id >= 0) {
        widget->setObjectName(ObjectName(item.id));
        widget->setProperty(kIdProperty, item.id);
    }
    return widget;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    baseY_ = metrics.height();
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

void BuildDialog(const DialogTemplate& dialog, QWidget* host) {
    host->setFont(DialogFont(dialog.fontFamily, dialog.pointSize));
    if (!dialog.caption.empty()) host->setWindowTitle(QString::fromStdString(dialog.caption));
    const DialogUnits units(host->font());
    host->setFixedSize(units.X(dialog.width), units.Y(dialog.height));
    // A dialog's position is relative to its owner's client area.
    if (host->isWindow() && host->parentWidget() != nullptr) {
        host->move(host->parentWidget()->mapToGlobal(QPoint(units.X(dialog.x), units.Y(dialog.y))));
    }
    for (const DialogItem& item : dialog.items) MakeItem(item, units, host);
}

QWidget* DialogItemWidget(const QWidget* host, int id) {
    return host->findChild<QWidget*>(ObjectName(id));
}

}  // namespace tumbler::framework
