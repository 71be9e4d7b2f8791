#include "switch_control/framework/pages/property_sheet.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "switch_control/framework/control/stock_page_ids.h"
#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/module/class_objects.h"
#include "switch_control/framework/pages/stock_color_page.h"
#include "switch_control/framework/pages/stock_font_page.h"

namespace tumbler::framework {

PropertyPage* CreatePropertyPage(const Guid& clsid, const ClassRegistry& registry, QWidget* parent,
                                 std::vector<LoadedModule>* modules) {
    if (PropertyPage* stock = CreateStockPropertyPage(clsid, parent)) return stock;
    ClassObject object = GetClassObject(registry, clsid);
    if (object.factory == nullptr) return nullptr;
    PropertyPage* page = object.factory->CreatePage(parent);
    if (page != nullptr) modules->push_back(object.module);
    return page;
}

PropertyPage* CreateStockPropertyPage(const Guid& clsid, QWidget* parent) {
    if (clsid == kClsidStockColorPage) return new StockColorPage(parent);
    if (clsid == kClsidStockFontPage) return new StockFontPage(parent);
    return nullptr;
}

PropertySheet::PropertySheet(const std::string& title, std::vector<PropertyAccess*> objects,
                             const std::vector<Guid>& pages, const ClassRegistry& registry,
                             QWidget* parent)
    : PropertySheet(
          title, std::move(objects), pages,
          [&](const Guid& clsid, QWidget* tabs) {
              return CreatePropertyPage(clsid, registry, tabs, &modules_);
          },
          parent) {}

PropertySheet::PropertySheet(const std::string& title, std::vector<PropertyAccess*> objects,
                             const std::vector<Guid>& pages, const PageMaker& makePage,
                             QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(QString::fromStdString(title));
    for (const Guid& clsid : pages) {
        PropertyPage* page = makePage(clsid, tabs_);
        if (page == nullptr) continue;
        page->SetObjects(objects);
        pages_.push_back(page);
        tabs_->addTab(page, QString::fromStdString(page->caption()));
        connect(page, &PropertyPage::dirtyChanged, this, &PropertySheet::UpdateApplyButton);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                             QDialogButtonBox::Apply | QDialogButtonBox::Help,
                                         this);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    help_ = buttons->button(QDialogButtonBox::Help);
    connect(help_, &QPushButton::clicked, this, &PropertySheet::ShowHelp);
    connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheet::UpdateHelpButton);
    UpdateHelpButton();
    // A refused set is reported, and OK then keeps the sheet open so the value can be mended.
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (ApplyAllAndReport()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyAllAndReport(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateApplyButton();
}

// The pages belong to their modules' code: they go before the modules may.
PropertySheet::~PropertySheet() {
    // Taking the tabs away must not ask the pages being deleted for their state.
    disconnect(tabs_, nullptr, this, nullptr);
    for (PropertyPage* page : pages_) delete page;
}

int PropertySheet::PageCount() const {
    return static_cast<int>(pages_.size());
}

PropertyPage* PropertySheet::Page(int index) const {
    return pages_.at(index);
}

HResult PropertySheet::ApplyAll() {
    HResult first = kOk;
    for (PropertyPage* page : pages_) {
        const HResult hr = page->Apply();
        if (Failed(hr) && Succeeded(first)) first = hr;
    }
    UpdateApplyButton();
    return first;
}

bool PropertySheet::ApplyAllAndReport() {
    const HResult hr = ApplyAll();
    if (Succeeded(hr)) return true;
    const QString why =
        hr == kSetNotPermitted        ? QStringLiteral("The container did not permit the change.")
        : hr == kInvalidPropertyValue ? QStringLiteral("Invalid property value.")
                                      : QStringLiteral("The property could not be set.");
    QMessageBox::warning(this, windowTitle(),
                         why + QStringLiteral(" (0x%1)").arg(static_cast<std::uint32_t>(hr), 8, 16,
                                                             QLatin1Char('0')));
    return false;
}

PropertyPage* PropertySheet::CurrentPage() const {
    const int index = tabs_->currentIndex();
    return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

void PropertySheet::UpdateHelpButton() {
    const PropertyPage* page = CurrentPage();
    help_->setEnabled(page != nullptr && !page->helpInfo().docString.empty());
}

// Unless the host shows its own help, the page's description stands in for the help files
// that pages name, which are not installed.
void PropertySheet::ShowHelp() {
    const PropertyPage* page = CurrentPage();
    if (page == nullptr || page->helpInfo().docString.empty()) return;
    if (helpHandler_) {
        helpHandler_(*page);
        return;
    }
    const PageHelpInfo& help = page->helpInfo();
    QMessageBox::information(this, QString::fromStdString(page->caption()),
                             QString::fromStdString(help.docString) +
                                 QStringLiteral("\n\n(%1, context %2, is not installed.)")
                                     .arg(QString::fromStdString(help.helpFile))
                                     .arg(help.helpContext));
}

void PropertySheet::UpdateApplyButton() {
    bool dirty = false;
    for (const PropertyPage* page : pages_) dirty = dirty || page->IsDirty();
    apply_->setEnabled(dirty);
}

}  // namespace tumbler::framework
