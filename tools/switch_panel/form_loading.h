#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <ostream>

namespace switch_panel {

// A form read at run time through QUiLoader, custom widgets from Qt's Designer plugins; null
// with the reason in `error` when the file cannot be read or holds no form.
std::unique_ptr<QWidget> LoadForm(const QString& path, QString* error);

// One line per TumblerSwitch in `form`: "objectName caption value", the value 1 or 0.
// Returns how many were written.
int DumpSwitches(const QWidget& form, std::ostream& out);

}  // namespace switch_panel
