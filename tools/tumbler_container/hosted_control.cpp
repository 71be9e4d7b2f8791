#include "tools/tumbler_container/hosted_control.h"

#include <fstream>
#include <sstream>

#include "switch_control/framework/module/class_factory.h"

namespace container {

StoredForm StoredFormOf(const std::filesystem::path& path) {
    return path.extension() == ".stream" ? StoredForm::Stream : StoredForm::BagText;
}

HostedControl::~HostedControl() {
    Release();
}

fw::HResult HostedControl::Create(const std::string& progIdOrClsid) {
    fw::Guid clsid;
    const fw::HResult parsed = fw::ClsidFromString(registry_, progIdOrClsid, &clsid);
    if (fw::Failed(parsed)) return parsed;
    fw::ClassObject object = fw::GetClassObject(registry_, clsid);
    if (object.factory == nullptr) return object.result;
    std::shared_ptr<fw::ControlBase> control = object.factory->CreateControl();
    if (!control) return fw::kNoInterface;
    Release();
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

fw::HResult HostedControl::SaveToFile(const std::filesystem::path& path) const {
    if (!control_) return fw::kFail;
    std::string bytes;
    fw::HResult hr;
    if (StoredFormOf(path) == StoredForm::Stream) {
        std::vector<std::uint8_t> stream;
        hr = control_->SaveToStream(&stream);
        bytes.assign(stream.begin(), stream.end());
    } else {
        hr = control_->SaveToBagText(&bytes);
    }
    if (fw::Failed(hr)) return hr;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return out ? fw::kOk : fw::kFail;
}

fw::HResult HostedControl::LoadFromFile(const std::filesystem::path& path) {
    if (!control_) return fw::kFail;
    std::ifstream in(path, std::ios::binary);
    if (!in) return fw::kFail;
    std::ostringstream read;
    read << in.rdbuf();
    const std::string bytes = read.str();
    if (StoredFormOf(path) == StoredForm::Stream) {
        return control_->LoadFromStream(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    }
    return control_->LoadFromBagText(bytes);
}

}  // namespace container
