#pragma once

#include <QDesignerCustomWidgetInterface>

// TumblerSwitch in Qt Designer's widget box, group "Tumbler". Nothing is made before Designer
// asks: the widget in createWidget, the task menu when Designer initialises the plugin.
class TumblerSwitchPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)
  public:
    explicit TumblerSwitchPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

  private:
    bool initialized_ = false;
};
