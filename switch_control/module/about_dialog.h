#pragma once

#include <QDialog>

#include "switch_control/framework/pages/dialog_template.h"

namespace tumbler {

// Dialog 1 of the module: "About Tumbler Control".
const framework::DialogTemplate& AboutDialogTemplate();

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// Shows the about dialog modally, owned by `parent` (may be null) and placed where its template
// says within the parent's client area; returns when it is closed.
void ShowAboutDialog(QWidget* parent);

}  // namespace tumbler
