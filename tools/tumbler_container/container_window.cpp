#include "tools/tumbler_container/container_window.h"

#include <cstdlib>

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "switch_control/framework/control/control_property_access.h"
#include "switch_control/framework/pages/property_sheet.h"
#include "tools/component_text/variant_text.h"
#include "tools/tumbler_container/control_type_info.h"

namespace container {
namespace {

// The class's toolbox bitmap, "module path, resource id", read from its module.
QIcon ToolboxIcon(const std::string& toolboxBitmap) {
    const auto comma = toolboxBitmap.rfind(',');
    if (comma == std::string::npos) return {};
    const fw::LoadedModule module = fw::LoadModule(toolboxBitmap.substr(0, comma));
    if (!module) return {};
    const std::string image =
        module.state()->BitmapResource(std::atoi(toolboxBitmap.c_str() + comma + 1));
    // Read now: the image goes away with the module.
    return image.empty() ? QIcon() : QIcon(QPixmap(QString::fromStdString(image)));
}

QString Hex(fw::HResult hr) {
    return QString::asprintf("0x%08X", static_cast<unsigned>(hr));
}

}  // namespace

ContainerWindow::ContainerWindow(const fw::ClassRegistry& registry, QWidget* parent)
    : QMainWindow(parent),
      registry_(registry),
      hosted_(registry),
      host_(new ControlHost),
      classes_(new QListWidget),
      classText_(new QLineEdit),
      members_(new QComboBox),
      invokeKind_(new QComboBox),
      argument_(new QLineEdit),
      log_(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Tumbler Container"));
    BuildMenus();

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->addWidget(new QLabel(QStringLiteral("Registered controls")));
    leftLayout->addWidget(classes_);
    classText_->setPlaceholderText(QStringLiteral("ProgID or {CLSID}"));
    leftLayout->addWidget(classText_);
    auto* create = new QPushButton(QStringLiteral("Create"));
    leftLayout->addWidget(create);
    connect(classes_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr) classText_->setText(item->data(Qt::UserRole).toString());
    });
    connect(create, &QPushButton::clicked, this,
            [this] { CreateControl(classText_->text().trimmed().toStdString()); });
    connect(classes_, &QListWidget::itemDoubleClicked, this,
            [this] { CreateControl(classText_->text().trimmed().toStdString()); });

    log_->setReadOnly(true);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->addWidget(host_, 1);
    rightLayout->addWidget(BuildInvokePanel());
    rightLayout->addWidget(new QLabel(QStringLiteral("Events and results")));
    rightLayout->addWidget(log_, 1);

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    resize(720, 560);

    connect(host_, &ControlHost::eventFired, this, &ContainerWindow::LogEvent);
    RefreshClassList();
}

ContainerWindow::~ContainerWindow() {
    host_->Attach(nullptr);
}

void ContainerWindow::BuildMenus() {
    QMenu* control = menuBar()->addMenu(QStringLiteral("&Control"));
    control->addAction(QStringLiteral("&Properties..."), this, &ContainerWindow::ShowPropertySheet);
    control->addAction(QStringLiteral("&About..."), this,
                       [this] { Invoke(fw::kDispIdAboutBox, fw::InvokeKind::Method, ""); });
    control->addSeparator();
    control->addAction(QStringLiteral("&Save Properties..."), this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Save Properties"), {}, QStringLiteral("Properties (*.props)"));
        if (!path.isEmpty()) SaveTo(path.toStdString());
    });
    control->addAction(QStringLiteral("&Load Properties..."), this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Load Properties"), {}, QStringLiteral("Properties (*.props)"));
        if (!path.isEmpty()) LoadFrom(path.toStdString());
    });
    control->addSeparator();
    control->addAction(QStringLiteral("&Release"), this, &ContainerWindow::ReleaseControl);
    control->addAction(QStringLiteral("Re&fresh List"), this, &ContainerWindow::RefreshClassList);
    control->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
}

QWidget* ContainerWindow::BuildInvokePanel() {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    members_->setEditable(true);
    members_->setMinimumContentsLength(18);
    invokeKind_->addItems({QStringLiteral("Get"), QStringLiteral("Put"), QStringLiteral("Call")});
    argument_->setPlaceholderText(QStringLiteral("value: 1, 0x0000FF, True, \"text\""));
    auto* invoke = new QPushButton(QStringLiteral("Invoke"));
    layout->addWidget(new QLabel(QStringLiteral("DISPID")));
    layout->addWidget(members_);
    layout->addWidget(invokeKind_);
    layout->addWidget(argument_, 1);
    layout->addWidget(invoke);
    connect(invoke, &QPushButton::clicked, this, [this] {
        // The list shows "DISPID Name"; a typed number works as well.
        bool ok = false;
        const int id = members_->currentText().section(' ', 0, 0).toInt(&ok);
        if (!ok) {
            Log(QStringLiteral("Not a DISPID: %1").arg(members_->currentText()));
            return;
        }
        const fw::InvokeKind kinds[] = {fw::InvokeKind::PropertyGet, fw::InvokeKind::PropertyPut,
                                        fw::InvokeKind::Method};
        Invoke(id, kinds[invokeKind_->currentIndex()], argument_->text().toStdString());
    });
    return panel;
}

void ContainerWindow::RefreshClassList() {
    classes_->clear();
    for (const fw::ClassEntry& entry : registry_.Classes()) {
        if (!entry.control) continue;
        const QString id =
            QString::fromStdString(entry.progId.empty() ? entry.clsid : entry.progId);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1\n  %2").arg(QString::fromStdString(entry.typeName), id), classes_);
        item->setData(Qt::UserRole, id);
        item->setIcon(ToolboxIcon(entry.toolboxBitmap));
    }
}

// The member list comes from the class's type information, as a container
// learns a control's members; the control's own interface stands in without it.
void ContainerWindow::RefreshMembers() {
    members_->clear();
    if (hosted_.control() == nullptr) return;
    constexpr std::uint32_t kUserDefaultLocale = 0x0400;
    fw::ControlTypeInfo info;
    const bool typed = fw::Succeeded(
        fw::LoadControlTypeInfo(registry_, hosted_.clsid(), kUserDefaultLocale, &info));
    const fw::InterfaceInfo& members =
        typed ? *info.dispatch : hosted_.control()->DispatchInterface();
    for (const fw::MemberInfo& m : members.members) {
        members_->addItem(QStringLiteral("%1 %2").arg(m.id).arg(QString::fromStdString(m.name)));
    }
}

bool ContainerWindow::CreateControl(const std::string& progIdOrClsid) {
    host_->Attach(nullptr);
    access_.reset();
    const fw::HResult hr = hosted_.Create(progIdOrClsid);
    if (fw::Failed(hr)) {
        Log(QStringLiteral("Create %1 failed: %2")
                .arg(QString::fromStdString(progIdOrClsid), Hex(hr)));
        RefreshMembers();
        return false;
    }
    host_->Attach(hosted_.control());
    // A container with ambient properties gives its site first, then asks for a new control.
    hosted_.control()->InitNew();
    Log(QStringLiteral("Created %1 %2")
            .arg(QString::fromStdString(progIdOrClsid),
                 QString::fromStdString(fw::ToString(hosted_.clsid()))));
    RefreshMembers();
    return true;
}

void ContainerWindow::ReleaseControl() {
    host_->Attach(nullptr);
    access_.reset();
    const bool unloaded = hosted_.Release();
    Log(unloaded ? QStringLiteral("Released; module unloaded")
                 : QStringLiteral("Released; module stays loaded"));
    RefreshMembers();
}

fw::PropertySheet* ContainerWindow::NewPropertySheet() {
    fw::ControlBase* control = hosted_.control();
    if (control == nullptr) return nullptr;
    access_ = std::make_unique<fw::ControlPropertyAccess>(*control);
    return new fw::PropertySheet(hosted_.TypeName() + " Properties", {access_.get()},
                                 hosted_.PropertyPages(), registry_, this);
}

void ContainerWindow::ShowPropertySheet() {
    fw::PropertySheet* sheet = NewPropertySheet();
    if (sheet == nullptr) {
        Log(QStringLiteral("No control"));
        return;
    }
    sheet->exec();
    delete sheet;
}

fw::HResult ContainerWindow::Invoke(fw::DispId id, fw::InvokeKind kind,
                                    const std::string& argument) {
    fw::ControlBase* control = hosted_.control();
    if (control == nullptr) {
        Log(QStringLiteral("No control"));
        return fw::kFail;
    }
    std::vector<fw::Variant> args;
    if (kind == fw::InvokeKind::PropertyPut) args.push_back(fw::ParseDisplayText(argument));
    fw::Variant result;
    const fw::HResult hr = control->Invoke(id, kind, args, &result);
    const char* names[] = {"Get", "Put", "Call"};
    QString line =
        QStringLiteral("%1 %2: %3").arg(names[static_cast<int>(kind)]).arg(id).arg(Hex(hr));
    if (fw::Succeeded(hr) && kind == fw::InvokeKind::PropertyGet) {
        line += QStringLiteral(" = ") + QString::fromStdString(fw::DisplayText(result));
    }
    Log(line);
    return hr;
}

bool ContainerWindow::SaveTo(const std::filesystem::path& path) {
    const fw::HResult hr = hosted_.SaveToFile(path);
    Log(QStringLiteral("Save %1: %2").arg(QString::fromStdString(path.string()), Hex(hr)));
    return fw::Succeeded(hr);
}

bool ContainerWindow::LoadFrom(const std::filesystem::path& path) {
    const fw::HResult hr = hosted_.LoadFromFile(path);
    Log(QStringLiteral("Load %1: %2").arg(QString::fromStdString(path.string()), Hex(hr)));
    host_->update();
    return fw::Succeeded(hr);
}

QString ContainerWindow::LogText() const {
    return log_->toPlainText();
}

void ContainerWindow::Log(const QString& line) {
    log_->appendPlainText(line);
}

void ContainerWindow::LogEvent(int dispid) {
    const fw::ControlBase* control = hosted_.control();
    const fw::MemberInfo* event =
        control != nullptr ? control->EventInterface().Find(dispid) : nullptr;
    Log(QStringLiteral("Event %1 (%2)")
            .arg(event != nullptr ? QString::fromStdString(event->name) : QStringLiteral("?"))
            .arg(dispid));
}

}  // namespace container
