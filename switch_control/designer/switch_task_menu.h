#pragma once

#include <QDesignerTaskMenuExtension>
#include <QExtensionFactory>

class QAction;
class TumblerSwitch;

namespace tumbler::designer {

// "Edit Switch Properties..." on a switch in a form: the control's own property sheet, its
// changes written back as the form's property commands (saved with the form, undoable).
class SwitchTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)
  public:
    SwitchTaskMenu(TumblerSwitch* widget, QObject* parent);

    QAction* preferredEditAction() const override;
    QList<QAction*> taskActions() const override;

  private:
    void EditProperties();

    TumblerSwitch* widget_;
    QAction* edit_;
};

class SwitchTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT
  public:
    explicit SwitchTaskMenuFactory(QExtensionManager* parent);

  protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

}  // namespace tumbler::designer
