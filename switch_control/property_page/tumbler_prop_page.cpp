#include "switch_control/property_page/tumbler_prop_page.h"

#include <QComboBox>
#include <vector>

#include "switch_control/tumbler_interfaces.h"
#include "switch_control/tumbler_module_state.h"

namespace tumbler {

using framework::DialogItemKind;

// The page's texts are the control's own Japanese. They are marked for Qt's lupdate: a host that
// shows the page in another language (Qt Designer) translates them in this context.

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
            {-1, DialogItemKind::Label, QT_TRANSLATE_NOOP("CTumblerPropPage", "3D表示"), 7, 7, 25,
             13},
            {kIdcAppearance, DialogItemKind::DropDownList, "", 59, 7, 48, 50},
            {-1, DialogItemKind::Label, QT_TRANSLATE_NOOP("CTumblerPropPage", "ﾎﾞｰﾀ"), 7, 25, 25,
             13},
            {kIdcBorderStyle, DialogItemKind::DropDownList, "", 59, 25, 48, 53},
            {-1, DialogItemKind::Label, QT_TRANSLATE_NOOP("CTumblerPropPage", "形状"), 7, 42, 25,
             13},
            {kIdcSwitchShape, DialogItemKind::DropDownList, "", 59, 42, 88, 53},
            {-1, DialogItemKind::Label, QT_TRANSLATE_NOOP("CTumblerPropPage", "配置"), 7, 59, 25,
             13},
            {kIdcAlignment, DialogItemKind::DropDownList, "", 59, 59, 48, 55},
            {-1, DialogItemKind::Label, QT_TRANSLATE_NOOP("CTumblerPropPage", "ｷｬﾌﾟｼｮﾝ位置"), 7, 77,
             42, 13},
            {kIdcCaptionAlignment, DialogItemKind::DropDownList, "", 59, 77, 48, 60},
            {-1, DialogItemKind::Label, QT_TRANSLATE_NOOP("CTumblerPropPage", "ｷｬﾌﾟｼｮﾝ"), 7, 98, 42,
             13},
            {kIdcCaption, DialogItemKind::Edit, "", 59, 97, 124, 13},
            {kIdcValue, DialogItemKind::CheckBox,
             QT_TRANSLATE_NOOP("CTumblerPropPage", "スイッチ ON"), 7, 119, 49, 9, true},
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
        {kIdcAppearance,
         {QT_TRANSLATE_NOOP("CTumblerPropPage", "0-ﾌﾗｯﾄ"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "1-3D")}},
        {kIdcBorderStyle,
         {QT_TRANSLATE_NOOP("CTumblerPropPage", "0-なし"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "1-実線")}},
        {kIdcSwitchShape,
         {QT_TRANSLATE_NOOP("CTumblerPropPage", "0-type1 (ノーマル)"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "1-type2 (ノーマル ランプ付き)"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "2-type3 (バー型スイッチ)　"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "3-type4 (プッシュボタン 角型)"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "4-type5 (プッシュボタン 丸型)"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "5-type6 (照光式ボタン 角型)"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "6-type7 (照光式ボタン 丸型)")}},
        {kIdcAlignment,
         {QT_TRANSLATE_NOOP("CTumblerPropPage", "0-垂直"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "1-水平")}},
        {kIdcCaptionAlignment,
         {QT_TRANSLATE_NOOP("CTumblerPropPage", "0-上"),
          QT_TRANSLATE_NOOP("CTumblerPropPage", "1-下")}},
    };
    for (const auto& [id, items] : lists) {
        auto* list = framework::DialogItemAs<QComboBox>(this, id);
        for (const char* item : items) list->addItem(QString::fromUtf8(item));
        list->model()->sort(0);
        list->setCurrentIndex(-1);
    }
}

framework::Guid CTumblerPropPage::GetClassId() const {
    return kClsidTumblerPropPage;
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

}  // namespace tumbler
