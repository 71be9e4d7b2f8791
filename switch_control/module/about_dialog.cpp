#include "switch_control/module/about_dialog.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace tumbler {

using framework::DialogItemKind;

const framework::DialogTemplate& AboutDialogTemplate() {
    static const framework::DialogTemplate dialog{
        "About Tumbler Control",
        34,
        22,
        260,
        55,
        "ＭＳ Ｐゴシック",
        9.0,
        {
            {-1, DialogItemKind::Icon, ":/tumbler/icon32.xpm", 10, 10, 20, 20},
            {-1, DialogItemKind::Label, "Quill Switch Control, Version 1.10", 40, 10, 170, 8},
            {-1, DialogItemKind::Label, "Copyright (C) 2000 Quill", 40, 25, 170, 8},
            {1, DialogItemKind::DefaultPushButton, "OK", 221, 7, 32, 14},
        },
    };
    return dialog;
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    // A modal frame with a system menu only: no resizing, no help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    framework::BuildDialog(AboutDialogTemplate(), this);
    setWindowIcon(QIcon(QStringLiteral(":/tumbler/icon16.xpm")));
    connect(framework::DialogItemAs<QPushButton>(this, 1), &QPushButton::clicked, this,
            &QDialog::accept);
}

void ShowAboutDialog(QWidget* parent) {
    AboutDialog dialog(parent);
    if (parent != nullptr) {
        // The template places the box relative to its owner's client area, in its own units.
        const framework::DialogUnits units(dialog.font());
        const framework::DialogTemplate& t = AboutDialogTemplate();
        dialog.move(parent->mapToGlobal(QPoint(units.X(t.x), units.Y(t.y))));
    }
    dialog.exec();
}

}  // namespace tumbler
