#pragma once

#include "switch_control/framework/control/font_description.h"
#include "switch_control/framework/pages/stock_page.h"

namespace tumbler::framework {

// The stock font page: every writable font property of the edited object,
// with its face, size and effects.
class StockFontPage : public StockPage {
    Q_OBJECT
  public:
    enum Id : int {
        kIdFamily = 101,
        kIdSize = 102,
        kIdBold = 103,
        kIdItalic = 104,
        kIdUnderline = 105,
        kIdStrikeOut = 106,
        kIdSample = 107,
    };

    explicit StockFontPage(QWidget* parent = nullptr);

  protected:
    void ShowValue(const Variant& value) override;

  private:
    // The controls' font after a user change; taken as the selected property's value.
    void TakeUserChange();
    FontDescription FontFromControls() const;
};

}  // namespace tumbler::framework
