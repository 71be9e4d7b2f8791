#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QVariant>
#include <functional>
#include <utility>
#include <vector>

#include "switch_control/designer/reference_help.h"

class QWidget;
class TumblerSwitch;

namespace tumbler::designer {

using PropertyChange = std::pair<QByteArray, QVariant>;

// Runs `edit` on a copy of `widget` (same stored properties) and returns the designable
// properties, font included, whose values the edit changed, in declaration order. The widget
// itself is left alone, so that a form editor can apply the changes as its own commands.
std::vector<PropertyChange> EditCopy(const TumblerSwitch& widget,
                                     const std::function<void(TumblerSwitch& copy)>& edit);

// The control's own property sheet ("General", colour and font pages) on `copy`, modal,
// owned by `parent`'s window, in the language of `language` (Designer's); its Help button
// opens the reference whose first page is `reference`.
void RunPropertySheet(TumblerSwitch& copy, QWidget* parent,
                      const QLocale& language = QLocale::system(),
                      const QString& reference = InstalledReference());

}  // namespace tumbler::designer
