#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "switch_control/framework/control/control_property_access.h"
#include "switch_control/framework/module/class_registry.h"
#include "tools/tumbler_container/control_host.h"
#include "tools/tumbler_container/hosted_control.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tumbler::framework {
class PropertySheet;
}

namespace container {

// A test container: lists the registered controls, creates one by ProgID or
// class identifier, hosts it, logs its events, opens its property sheet,
// invokes its members by DISPID, saves and loads its properties, and lets the
// module go when it may be unloaded.
class ContainerWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit ContainerWindow(const fw::ClassRegistry& registry, QWidget* parent = nullptr);
    ~ContainerWindow() override;

    bool CreateControl(const std::string& progIdOrClsid);
    void ReleaseControl();
    // The control's property sheet (not shown); null without a control.
    fw::PropertySheet* NewPropertySheet();
    void ShowPropertySheet();
    fw::HResult Invoke(fw::DispId id, fw::InvokeKind kind, const std::string& argument);
    bool SaveTo(const std::filesystem::path& path);
    bool LoadFrom(const std::filesystem::path& path);

    ControlHost* host() const { return host_; }
    HostedControl& hosted() { return hosted_; }
    QString LogText() const;

  private:
    void BuildMenus();
    QWidget* BuildInvokePanel();
    void RefreshClassList();
    void RefreshMembers();
    void Log(const QString& line);
    void LogEvent(int dispid);

    const fw::ClassRegistry& registry_;
    HostedControl hosted_;
    std::unique_ptr<fw::ControlPropertyAccess> access_;  // what the property sheet edits
    ControlHost* host_;
    QListWidget* classes_;
    QLineEdit* classText_;
    QComboBox* members_;
    QComboBox* invokeKind_;
    QLineEdit* argument_;
    QPlainTextEdit* log_;
};

}  // namespace container
