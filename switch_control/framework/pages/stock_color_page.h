#pragma once

#include "switch_control/framework/control/system_colors.h"
#include "switch_control/framework/pages/stock_page.h"

namespace tumbler::framework {

// The stock colour page: every writable colour property of the edited object,
// each set from a 16-colour palette or a system colour.
class StockColorPage : public StockPage {
    Q_OBJECT
  public:
    enum Id : int { kIdSystemColor = 101, kIdSample = 102, kIdFirstSwatch = 110 };
    static constexpr int kSwatches = 16;

    explicit StockColorPage(QWidget* parent = nullptr);

    // A click on a swatch or a pick of a system colour.
    void Choose(OleColor color) {
        SetSelectedValue(Variant::Color(color));
        ShowValue(Variant::Color(color));
    }

  protected:
    void ShowValue(const Variant& value) override;
};

}  // namespace tumbler::framework
