#pragma once

#include <QWidget>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "switch_control/framework/control/property_access.h"
#include "switch_control/framework/pages/dialog_template.h"

namespace tumbler::framework {

class PageExchange;

// What a page says about itself for help: a line of description and the help
// file with a context in it.
struct PageHelpInfo {
    std::string docString;
    std::string helpFile;
    std::uint32_t helpContext = 0;
};

// One page of a property sheet. It edits a set of objects: when they are
// given, the page reads their properties into its fields and controls; on
// apply it writes back, as property sets, only what the user changed.
// Derived pages list their bindings in DoDataExchange, or replace Load and
// Apply altogether.
class PropertyPage : public QWidget {
    Q_OBJECT
  public:
    PropertyPage(const DialogTemplate& dialog, std::string caption, QWidget* parent);

    const std::string& caption() const { return caption_; }
    const PageHelpInfo& helpInfo() const { return helpInfo_; }
    void SetObjects(std::vector<PropertyAccess*> objects);
    const std::vector<PropertyAccess*>& objects() const { return objects_; }

    // kOk when every change was written (or there was none); else the first
    // failure of a set, the other sets still being tried.
    virtual HResult Apply();
    bool IsDirty() const { return !changed_.empty(); }
    bool IsChanged(int id) const { return changed_.count(id) != 0; }

  signals:
    void dirtyChanged(bool dirty);

  protected:
    // Fills the page from the objects.
    virtual void Load();
    virtual void DoDataExchange(PageExchange& exchange);
    // The user changed control `id` (derived pages with controls of their own).
    void MarkChanged(int id);
    void ClearChanges();
    // Pages bound by data exchange call this once their controls are filled:
    // from then on a user's change of a control with an id marks it changed
    // (never the page's own filling).
    void TrackUserChanges();
    void SetHelpInfo(PageHelpInfo info) { helpInfo_ = std::move(info); }

  private:
    std::string caption_;
    PageHelpInfo helpInfo_;
    std::vector<PropertyAccess*> objects_;
    std::set<int> changed_;
};

// One pass of a page's data exchange. Each binding first binds the field to
// the property by name, then the field to the control. Filling: property ->
// field -> control. Saving: control -> field, and the field is queued as a set
// of the property when the user changed the control; PostProcessing makes the
// queued sets on every edited object, in binding order.
class PageExchange {
  public:
    PageExchange(PropertyPage& page, bool saving) : page_(page), saving_(saving) {}
    bool saving() const { return saving_; }

    // A drop-down list's index is the property's value; a value without an
    // item shows no selection.
    void ListIndex(int id, std::string_view property, int& field);
    void Text(int id, std::string_view property, std::string& field);
    void Check(int id, std::string_view property, int& field);
    // Makes the queued sets; a later call finds nothing queued.
    void PostProcessing();
    // kOk, or the first failed set.
    HResult result() const { return result_; }

  private:
    bool ReadProperty(std::string_view property, VarType type, Variant* value) const;
    void Queue(int id, std::string_view property, Variant value);

    PropertyPage& page_;
    bool saving_;
    std::vector<std::pair<std::string, Variant>> pending_;
    HResult result_ = kOk;
};

}  // namespace tumbler::framework
