#pragma once

#include <QString>

class QWidget;

namespace tumbler::designer {

// The installed TumblerSwitch reference (package libtumbler-widget-dev).
QString InstalledReference();

// Opens the reference whose first page is `index` in the desktop's browser; when it is not
// there, or nothing can show it, a message box owned by `parent` says so and names the path.
void ShowReference(QWidget* parent, const QString& index);

}  // namespace tumbler::designer
