#include "tools/tumbler_container/hosted_control.h"

#include <fstream>
#include <sstream>

#include "switch_control/framework/control/property_bag.h"
#include "switch_control/framework/module/class_factory.h"

namespace container {

HostedControl::~HostedControl() {
    Release();
}

fw::HResult HostedControl::Create(const std::string& progIdOrClsid) {
    Release();
    fw::Guid clsid;
    const fw::HResult parsed = fw::ClsidFromString(registry_, progIdOrClsid, &clsid);
    if (fw::Failed(parsed)) return parsed;
    fw::ClassObject object = fw::GetClassObject(registry_, clsid);
    if (object.factory == nullptr) return object.result;
    std::shared_ptr<fw::ControlBase> control = object.factory->CreateControl();
    if (!control) return fw::kNoInterface;
    object_ = std::move(object);
    clsid_ = clsid;
    control_ = std::move(control);
    return fw::kOk;
}

bool HostedControl::Release() {
    control_.reset();
    if (!object_.module) return false;
    auto canUnload = reinterpret_cast<fw::HResult (*)()>(object_.module.Symbol("DllCanUnloadNow"));
    if (canUnload == nullptr || canUnload() != fw::kOk) return false;
    object_ = fw::ClassObject();
    return true;
}

std::string HostedControl::TypeName() const {
    const std::optional<fw::ClassEntry> entry = registry_.FindClass(fw::ToString(clsid_));
    return entry ? entry->typeName : std::string();
}

std::vector<fw::Guid> HostedControl::PropertyPages() const {
    return object_.factory != nullptr ? object_.factory->PropertyPages() : std::vector<fw::Guid>{};
}

fw::HResult HostedControl::SaveToFile(const std::filesystem::path& path) const {
    if (!control_) return fw::kFail;
    fw::PropertyBag bag;
    const fw::HResult hr = control_->SaveToBag(&bag);
    if (fw::Failed(hr)) return hr;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << fw::FormatPropertyBag(bag);
    out.close();
    return out ? fw::kOk : fw::kFail;
}

fw::HResult HostedControl::LoadFromFile(const std::filesystem::path& path) {
    if (!control_) return fw::kFail;
    std::ifstream in(path, std::ios::binary);
    if (!in) return fw::kFail;
    std::ostringstream text;
    text << in.rdbuf();
    fw::PropertyBag bag;
    const fw::HResult parsed = fw::ParsePropertyBag(text.str(), &bag);
    return fw::Failed(parsed) ? parsed : control_->LoadFromBag(bag);
}

}  // namespace container
