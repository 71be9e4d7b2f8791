#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>

#include "switch_control/framework/control/control_property_access.h"
#include "switch_control/framework/module/class_registry.h"
#include "tools/tumbler_container/control_host.h"
#include "tools/tumbler_container/hosted_control.h"

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tumbler::framework {
class PropertySheet;
}

namespace container {

// A test container, a developer's bench: lists the registered controls, creates one by ProgID
// or class identifier (a name that creates nothing leaves the current control), hosts it
// filling its area or at a fixed size, logs its events, property changes, edit requests and
// modified flag, opens its property sheet, invokes its members by DISPID, saves and loads its
// properties as bag text or stream, can refuse every edit, and lets the module go when it may
// be unloaded.
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
    // The form follows the file's name (StoredFormOf).
    bool SaveTo(const std::filesystem::path& path);
    bool LoadFrom(const std::filesystem::path& path);
    // nullopt: the control fills the host's area.
    void SetControlSize(std::optional<QSize> size);
    // Answers the control's request-edit with no while set.
    void SetRefuseEdits(bool refuse);

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
    void LogPropertyChanged(int dispid);
    void LogEditRequest(int dispid, bool granted);
    // "Name (dispid)" of a member of the control's dispatch or event interface.
    QString MemberText(const fw::InterfaceInfo& members, int dispid) const;
    // The modified flag is logged when it differs from what was last logged; a check after a
    // repaint request waits until the control's set has finished.
    void ScheduleModifiedCheck();
    void LogModifiedChange();

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
    QAction* refuseEdits_;
    bool loggedModified_ = false;
    bool modifiedCheckPending_ = false;
};

}  // namespace container
