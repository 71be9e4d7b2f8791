#include "switch_control/framework/pages/property_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tumbler::framework {

PropertyPage::PropertyPage(const DialogTemplate& dialog, std::string caption, QWidget* parent)
    : QWidget(parent), caption_(std::move(caption)) {
    BuildDialog(dialog, this);
}

void PropertyPage::SetObjects(std::vector<PropertyAccess*> objects) {
    objects_ = std::move(objects);
    Load();
    ClearChanges();
}

void PropertyPage::Load() {
    PageExchange exchange(*this, false);
    DoDataExchange(exchange);
}

HResult PropertyPage::Apply() {
    if (!IsDirty()) return kOk;
    PageExchange exchange(*this, true);
    DoDataExchange(exchange);
    exchange.PostProcessing();
    ClearChanges();
    return exchange.result();
}

void PropertyPage::DoDataExchange(PageExchange&) {}

void PropertyPage::MarkChanged(int id) {
    const bool wasDirty = IsDirty();
    changed_.insert(id);
    if (!wasDirty) emit dirtyChanged(true);
}

void PropertyPage::ClearChanges() {
    const bool wasDirty = IsDirty();
    changed_.clear();
    if (wasDirty) emit dirtyChanged(false);
}

void PropertyPage::TrackUserChanges() {
    for (QWidget* child : findChildren<QWidget*>()) {
        const QVariant id = child->property("dialogItemId");
        if (!id.isValid()) continue;
        const int itemId = id.toInt();
        if (auto* list = qobject_cast<QComboBox*>(child)) {
            connect(list, &QComboBox::activated, this, [this, itemId] { MarkChanged(itemId); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(child)) {
            connect(edit, &QLineEdit::textEdited, this, [this, itemId] { MarkChanged(itemId); });
        } else if (auto* check = qobject_cast<QCheckBox*>(child)) {
            connect(check, &QCheckBox::clicked, this, [this, itemId] { MarkChanged(itemId); });
        }
    }
}

bool PageExchange::ReadProperty(std::string_view property, VarType type, Variant* value) const {
    if (page_.objects().empty()) return false;
    Variant raw;
    if (Failed(GetPropertyByName(*page_.objects().front(), property, &raw))) return false;
    return Succeeded(ChangeType(raw, type, value));
}

void PageExchange::Queue(int id, std::string_view property, Variant value) {
    if (page_.IsChanged(id)) pending_.emplace_back(std::string(property), std::move(value));
}

void PageExchange::ListIndex(int id, std::string_view property, int& field) {
    auto* list = DialogItemAs<QComboBox>(&page_, id);
    if (saving_) {
        if (list != nullptr) field = list->currentIndex();
        // An empty list means the user picked nothing: nothing to write.
        if (field >= 0) Queue(id, property, Variant::Long(field));
        return;
    }
    Variant value;
    if (ReadProperty(property, VarType::Long, &value)) field = value.Integer();
    if (list != nullptr) list->setCurrentIndex(field >= 0 && field < list->count() ? field : -1);
}

void PageExchange::Text(int id, std::string_view property, std::string& field) {
    auto* edit = DialogItemAs<QLineEdit>(&page_, id);
    if (saving_) {
        if (edit != nullptr) field = edit->text().toStdString();
        Queue(id, property, Variant::String(field));
        return;
    }
    Variant value;
    if (ReadProperty(property, VarType::String, &value)) field = value.AsString();
    if (edit != nullptr) edit->setText(QString::fromStdString(field));
}

void PageExchange::Check(int id, std::string_view property, int& field) {
    auto* check = DialogItemAs<QCheckBox>(&page_, id);
    if (saving_) {
        if (check != nullptr) field = check->isChecked() ? 1 : 0;
        // A boolean property takes the platform's true, -1.
        Queue(id, property, Variant::Bool(field != 0 ? -1 : 0));
        return;
    }
    Variant value;
    if (ReadProperty(property, VarType::Bool, &value)) field = value.IsTrue() ? 1 : 0;
    if (check != nullptr) check->setChecked(field != 0);
}

void PageExchange::PostProcessing() {
    for (PropertyAccess* object : page_.objects()) {
        for (const auto& [property, value] : pending_) {
            const HResult hr = SetPropertyByName(*object, property, value);
            if (Failed(hr) && Succeeded(result_)) result_ = hr;
        }
    }
    pending_.clear();
}

}  // namespace tumbler::framework
