#include "switch_control/framework/pages/stock_page.h"

#include <QComboBox>

namespace tumbler::framework {

StockPage::StockPage(const DialogTemplate& dialog, std::string caption, VarType type,
                     QWidget* parent)
    : PropertyPage(dialog, std::move(caption), parent), type_(type) {
    connect(DialogItemAs<QComboBox>(this, kIdProperty), &QComboBox::currentIndexChanged, this,
            [this] { ShowValue(Value(SelectedProperty())); });
}

std::string StockPage::SelectedProperty() const {
    const int index = DialogItemAs<QComboBox>(this, kIdProperty)->currentIndex();
    return index >= 0 && index < static_cast<int>(properties_.size()) ? properties_[index]
                                                                      : std::string();
}

Variant StockPage::Value(const std::string& property) const {
    const auto it = values_.find(property);
    return it == values_.end() ? Variant() : it->second;
}

void StockPage::Load() {
    values_.clear();
    properties_ = objects().empty() ? std::vector<std::string>{}
                                    : WritablePropertiesOfType(*objects().front(), type_);
    for (const std::string& name : properties_) {
        Variant value;
        if (Succeeded(GetPropertyByName(*objects().front(), name, &value)) &&
            value.Type() == type_) {
            values_[name] = value;
        }
    }
    auto* list = DialogItemAs<QComboBox>(this, kIdProperty);
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& name : properties_) list->addItem(QString::fromStdString(name));
    list->setCurrentIndex(properties_.empty() ? -1 : 0);
    ShowValue(Value(SelectedProperty()));
}

void StockPage::SetSelectedValue(const Variant& value) {
    const int index = DialogItemAs<QComboBox>(this, kIdProperty)->currentIndex();
    if (index < 0 || index >= static_cast<int>(properties_.size())) return;
    values_[properties_[index]] = value;
    MarkChanged(index);
}

HResult StockPage::Apply() {
    HResult first = kOk;
    for (int index = 0; index < static_cast<int>(properties_.size()); ++index) {
        const auto value = values_.find(properties_[index]);
        if (!IsChanged(index) || value == values_.end()) continue;
        for (PropertyAccess* object : objects()) {
            const HResult hr = SetPropertyByName(*object, properties_[index], value->second);
            if (Failed(hr) && Succeeded(first)) first = hr;
        }
    }
    ClearChanges();
    return first;
}

}  // namespace tumbler::framework
