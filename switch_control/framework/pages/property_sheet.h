#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "switch_control/framework/control/guid.h"
#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/loaded_module.h"
#include "switch_control/framework/pages/property_page.h"

class QPushButton;
class QTabWidget;

namespace tumbler::framework {

// A page by class identifier: the stock colour and font pages are the
// framework's own; any other page comes from its module's factory through the
// registry, and `modules` keeps that module loaded. Null when no page can be
// made.
PropertyPage* CreatePropertyPage(const Guid& clsid, const ClassRegistry& registry, QWidget* parent,
                                 std::vector<LoadedModule>* modules);
// The framework's own stock colour or font page; null for any other class identifier.
PropertyPage* CreateStockPropertyPage(const Guid& clsid, QWidget* parent);

// Makes the page of a class identifier, or null; a host that links a control's pages in
// makes them itself instead of going through the registry.
using PageMaker = std::function<PropertyPage*(const Guid& clsid, QWidget* parent)>;

// The property sheet of one or more objects: their pages as tabs, in the
// order given, with OK (apply and close unless a set failed), Cancel and Apply (enabled while a
// page has changes).
class PropertySheet : public QDialog {
    Q_OBJECT
  public:
    PropertySheet(const std::string& title, std::vector<PropertyAccess*> objects,
                  const std::vector<Guid>& pages, const ClassRegistry& registry,
                  QWidget* parent = nullptr);
    PropertySheet(const std::string& title, std::vector<PropertyAccess*> objects,
                  const std::vector<Guid>& pages, const PageMaker& makePage,
                  QWidget* parent = nullptr);
    ~PropertySheet() override;

    int PageCount() const;
    PropertyPage* Page(int index) const;
    QTabWidget* Tabs() const { return tabs_; }
    // Applies every page with changes; kOk or the first failure.
    HResult ApplyAll();
    // What the Help button shows for a page that has help, in place of the page's description.
    using HelpHandler = std::function<void(const PropertyPage& page)>;
    void SetHelpHandler(HelpHandler handler) { helpHandler_ = std::move(handler); }

  private:
    // ApplyAll, with a warning box naming a failure; true when every page applied.
    bool ApplyAllAndReport();
    PropertyPage* CurrentPage() const;
    void UpdateApplyButton();
    void UpdateHelpButton();
    void ShowHelp();

    std::vector<LoadedModule> modules_;
    std::vector<PropertyPage*> pages_;
    QTabWidget* tabs_;
    QPushButton* apply_;
    QPushButton* help_;
    HelpHandler helpHandler_;
};

}  // namespace tumbler::framework
