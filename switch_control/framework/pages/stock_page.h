#pragma once

#include <map>
#include <string>
#include <vector>

#include "switch_control/framework/pages/property_page.h"

namespace tumbler::framework {

// Common ground of the stock pages: a "Property Name" list of every writable
// property of one type, a value held for each, and Apply writing the values
// the user changed to every edited object.
class StockPage : public PropertyPage {
    Q_OBJECT
  public:
    static constexpr int kIdProperty = 100;

    StockPage(const DialogTemplate& dialog, std::string caption, VarType type, QWidget* parent);

    HResult Apply() override;
    // The page's value of `property` (what Apply would write); empty if unknown.
    Variant Value(const std::string& property) const;
    // The property chosen in the list, empty when there is none.
    std::string SelectedProperty() const;

  protected:
    void Load() override;
    // Gives the selected property `value`, as the user's choice.
    void SetSelectedValue(const Variant& value);
    // The list's selection moved to another property: show its value.
    virtual void ShowValue(const Variant& value) = 0;

  private:
    VarType type_;
    std::vector<std::string> properties_;
    std::map<std::string, Variant> values_;
};

}  // namespace tumbler::framework
