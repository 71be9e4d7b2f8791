#include "switch_control/designer/switch_task_menu.h"

#include <QAction>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>

#include "switch_control/designer/switch_property_edit.h"
#include "switch_control/widget/tumbler_switch.h"

namespace tumbler::designer {

SwitchTaskMenu::SwitchTaskMenu(TumblerSwitch* widget, QObject* parent)
    : QObject(parent),
      widget_(widget),
      edit_(new QAction(QStringLiteral("Edit Switch Properties..."), this)) {
    connect(edit_, &QAction::triggered, this, &SwitchTaskMenu::EditProperties);
}

QAction* SwitchTaskMenu::preferredEditAction() const {
    return edit_;
}

QList<QAction*> SwitchTaskMenu::taskActions() const {
    return {edit_};
}

void SwitchTaskMenu::EditProperties() {
    const std::vector<PropertyChange> changes =
        EditCopy(*widget_, [this](TumblerSwitch& copy) { RunPropertySheet(copy, widget_); });
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(widget_);
    if (changes.empty() || form == nullptr) return;
    form->beginCommand(edit_->text());
    for (const auto& [name, value] : changes) {
        form->cursor()->setWidgetProperty(widget_, QString::fromLatin1(name), value);
    }
    form->endCommand();
}

SwitchTaskMenuFactory::SwitchTaskMenuFactory(QExtensionManager* parent)
    : QExtensionFactory(parent) {}

QObject* SwitchTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                QObject* parent) const {
    auto* widget = qobject_cast<TumblerSwitch*>(object);
    if (widget == nullptr || iid != Q_TYPEID(QDesignerTaskMenuExtension)) return nullptr;
    return new SwitchTaskMenu(widget, parent);
}

}  // namespace tumbler::designer
