#include "switch_control/property_page/tumbler_prop_page.h"

#include <QComboBox>
#include <vector>

#include "switch_control/framework/pages/stock_pages.h"
#include "switch_control/tumbler_interfaces.h"
#include "switch_control/tumbler_module_state.h"

namespace tumbler {

using framework::DialogItemKind;

const framework::DialogTemplate& TumblerPageTemplate() {
    static const framework::DialogTemplate page{
        "",
        0,
        0,
        215,
        140,
        "ＭＳ Ｐゴシック",
        9.0,
        {
            {-1, DialogItemKind::Label, "3D表示", 7, 7, 25, 13},
            {kIdcAppearance, DialogItemKind::DropDownList, "", 59, 7, 48, 50},
            {-1, DialogItemKind::Label, "ﾎﾞｰﾀ", 7, 25, 25, 13},
            {kIdcBorderStyle, DialogItemKind::DropDownList, "", 59, 25, 48, 53},
            {-1, DialogItemKind::Label, "形状", 7, 42, 25, 13},
            {kIdcSwitchShape, DialogItemKind::DropDownList, "", 59, 42, 88, 53},
            {-1, DialogItemKind::Label, "配置", 7, 59, 25, 13},
            {kIdcAlignment, DialogItemKind::DropDownList, "", 59, 59, 48, 55},
            {-1, DialogItemKind::Label, "ｷｬﾌﾟｼｮﾝ位置", 7, 77, 42, 13},
            {kIdcCaptionAlignment, DialogItemKind::DropDownList, "", 59, 77, 48, 60},
            {-1, DialogItemKind::Label, "ｷｬﾌﾟｼｮﾝ", 7, 98, 42, 13},
            {kIdcCaption, DialogItemKind::Edit, "", 59, 97, 124, 13},
            {kIdcValue, DialogItemKind::CheckBox, "スイッチ ON", 7, 119, 49, 9, true},
        },
    };
    return page;
}

CTumblerPropPage::CTumblerPropPage(const framework::ModuleState& module, QWidget* parent)
    : PropertyPage(TumblerPageTemplate(), module.LoadString(kIdsTumblerPpgCaption), parent) {
    FillLists();
    TrackUserChanges();
    SetHelpInfo({"Names to appear in the control", "Tumbler.HLP", 0});
}

// The leading digit keeps each sorted list in the order of the property's values.
void CTumblerPropPage::FillLists() {
    const std::vector<std::pair<int, std::vector<const char*>>> lists{
        {kIdcAppearance, {"0-ﾌﾗｯﾄ", "1-3D"}},
        {kIdcBorderStyle, {"0-なし", "1-実線"}},
        {kIdcSwitchShape,
         {"0-type1 (ノーマル)", "1-type2 (ノーマル ランプ付き)", "2-type3 (バー型スイッチ)　",
          "3-type4 (プッシュボタン 角型)", "4-type5 (プッシュボタン 丸型)",
          "5-type6 (照光式ボタン 角型)", "6-type7 (照光式ボタン 丸型)"}},
        {kIdcAlignment, {"0-垂直", "1-水平"}},
        {kIdcCaptionAlignment, {"0-上", "1-下"}},
    };
    for (const auto& [id, items] : lists) {
        auto* list = framework::DialogItemAs<QComboBox>(this, id);
        for (const char* item : items) list->addItem(QString::fromUtf8(item));
        list->model()->sort(0);
        list->setCurrentIndex(-1);
    }
}

void CTumblerPropPage::DoDataExchange(framework::PageExchange& exchange) {
    exchange.ListIndex(kIdcAppearance, "Appearance", appearance_);
    exchange.ListIndex(kIdcBorderStyle, "BorderStyle", borderStyle_);
    exchange.Text(kIdcCaption, "Caption", caption_);
    exchange.ListIndex(kIdcCaptionAlignment, "CaptionAlignment", captionAlignment_);
    exchange.ListIndex(kIdcAlignment, "Alignment", alignment_);
    exchange.ListIndex(kIdcSwitchShape, "SwitchShape", switchShape_);
    exchange.Check(kIdcValue, "Value", value_);
    exchange.PostProcessing();
}

std::vector<framework::Guid> TumblerPropertyPages() {
    return {kClsidTumblerPropPage, framework::kClsidStockColorPage, framework::kClsidStockFontPage};
}

}  // namespace tumbler
