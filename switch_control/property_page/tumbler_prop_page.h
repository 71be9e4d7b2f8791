#pragma once

#include <string>
#include <vector>

#include "switch_control/framework/module/module_state.h"
#include "switch_control/framework/pages/property_page.h"

namespace tumbler {

// Control ids of the "General" page.
enum TumblerPageId : int {
    kIdcAppearance = 201,
    kIdcBorderStyle = 202,
    kIdcSwitchShape = 203,
    kIdcAlignment = 204,
    kIdcCaptionAlignment = 205,
    kIdcCaption = 206,
    kIdcValue = 209,
};

// The control's property pages, in order: "General", the stock colour page, the stock font page.
std::vector<framework::Guid> TumblerPropertyPages();

// Dialog template 200.
const framework::DialogTemplate& TumblerPageTemplate();

// The switch's own property page, "General".
class CTumblerPropPage : public framework::PropertyPage {
    Q_OBJECT
  public:
    // Captioned with string 200 of `module`.
    explicit CTumblerPropPage(const framework::ModuleState& module, QWidget* parent = nullptr);

  protected:
    void DoDataExchange(framework::PageExchange& exchange) override;

  private:
    void FillLists();

    int appearance_ = -1;
    int borderStyle_ = -1;
    std::string caption_;
    int captionAlignment_ = -1;
    int alignment_ = -1;
    int switchShape_ = -1;
    int value_ = 0;
};

}  // namespace tumbler
