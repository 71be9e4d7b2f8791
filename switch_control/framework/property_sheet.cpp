#include "switch_control/framework/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "switch_control/framework/class_factory.h"
#include "switch_control/framework/class_objects.h"
#include "switch_control/framework/stock_color_page.h"
#include "switch_control/framework/stock_font_page.h"
#include "switch_control/framework/stock_pages.h"

namespace tumbler::framework {

PropertyPage* CreatePropertyPage(const Guid& clsid, const ClassRegistry& registry, QWidget* parent,
                                 std::vector<LoadedModule>* modules) {
    if (clsid == kClsidStockColorPage) return new StockColorPage(parent);
    if (clsid == kClsidStockFontPage) return new StockFontPage(parent);
    ClassObject object = GetClassObject(registry, clsid);
    if (object.factory == nullptr) return nullptr;
    PropertyPage* page;
    {
        ModuleStateScope scope(*object.module.state());
        page = object.factory->CreatePage(parent);
    }
    if (page != nullptr) modules->push_back(object.module);
    return page;
}

PropertySheet::PropertySheet(const std::string& title, std::vector<PropertyAccess*> objects,
                             const std::vector<Guid>& pages, const ClassRegistry& registry,
                             QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(QString::fromStdString(title));
    for (const Guid& clsid : pages) {
        PropertyPage* page = CreatePropertyPage(clsid, registry, tabs_, &modules_);
        if (page == nullptr) continue;
        page->SetObjects(objects);
        pages_.push_back(page);
        tabs_->addTab(page, QString::fromStdString(page->caption()));
        connect(page, &PropertyPage::dirtyChanged, this, &PropertySheet::UpdateApplyButton);
    }
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyAll();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyAll(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateApplyButton();
}

// The pages belong to their modules' code: they go before the modules may.
PropertySheet::~PropertySheet() {
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

void PropertySheet::UpdateApplyButton() {
    bool dirty = false;
    for (const PropertyPage* page : pages_) dirty = dirty || page->IsDirty();
    apply_->setEnabled(dirty);
}

}  // namespace tumbler::framework
