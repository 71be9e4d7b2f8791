#include "switch_control/designer/tumbler_switch_plugin.h"

#include <QDesignerFormEditorInterface>
#include <QExtensionManager>
#include <QIcon>

#include "switch_control/designer/switch_task_menu.h"
#include "switch_control/widget/tumbler_switch.h"

TumblerSwitchPlugin::TumblerSwitchPlugin(QObject* parent) : QObject(parent) {}

QString TumblerSwitchPlugin::name() const {
    return QStringLiteral("TumblerSwitch");
}

QString TumblerSwitchPlugin::group() const {
    return QStringLiteral("Tumbler");
}

QString TumblerSwitchPlugin::toolTip() const {
    return QStringLiteral("Tumbler switch: rocker, lever or push button with LED and caption");
}

QString TumblerSwitchPlugin::whatsThis() const {
    return QStringLiteral(
        "A two-state switch in seven shapes. Its properties are the Tumbler control's; "
        "\"Edit Switch Properties...\" opens the control's own property sheet.");
}

QString TumblerSwitchPlugin::includeFile() const {
    return QStringLiteral("tumbler_switch.h");
}

QIcon TumblerSwitchPlugin::icon() const {
    return QIcon(QStringLiteral(":/tumbler/designer/toolbox.xpm"));
}

bool TumblerSwitchPlugin::isContainer() const {
    return false;
}

QWidget* TumblerSwitchPlugin::createWidget(QWidget* parent) {
    return new TumblerSwitch(parent);
}

bool TumblerSwitchPlugin::isInitialized() const {
    return initialized_;
}

void TumblerSwitchPlugin::initialize(QDesignerFormEditorInterface* core) {
    if (initialized_) return;
    QExtensionManager* manager = core->extensionManager();
    manager->registerExtensions(new tumbler::designer::SwitchTaskMenuFactory(manager),
                                Q_TYPEID(QDesignerTaskMenuExtension));
    initialized_ = true;
}

QString TumblerSwitchPlugin::domXml() const {
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"TumblerSwitch\" name=\"tumblerSwitch\">\n"
        "  <property name=\"geometry\">\n"
        "   <rect><x>0</x><y>0</y><width>100</width><height>50</height></rect>\n"
        "  </property>\n"
        " </widget>\n"
        "</ui>\n");
}
