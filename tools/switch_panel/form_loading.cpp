#include "tools/switch_panel/form_loading.h"

#include <QFile>
#include <QUiLoader>

#include "switch_control/widget/tumbler_switch.h"

namespace switch_panel {

std::unique_ptr<QWidget> LoadForm(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return nullptr;
    }
    QUiLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&file));
    if (!form) *error = loader.errorString();
    return form;
}

int DumpSwitches(const QWidget& form, std::ostream& out) {
    int count = 0;
    for (const TumblerSwitch* each : form.findChildren<TumblerSwitch*>()) {
        out << each->objectName().toStdString() << ' ' << each->caption().toStdString() << ' '
            << (each->value() ? 1 : 0) << '\n';
        ++count;
    }
    return count;
}

}  // namespace switch_panel
