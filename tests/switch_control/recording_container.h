#pragma once

#include <vector>

#include "switch_control/framework/control/control_site.h"
#include "switch_control/framework/control/events.h"

namespace tumbler::testing {

// A container's site and event sink that records what the control tells it.
class RecordingContainer : public framework::ControlSite, public framework::EventSink {
  public:
    bool GetAmbientProperty(framework::DispId id, framework::Variant* value) const override {
        if (id != framework::kDispIdAmbientBackColor || ambientBackColor.IsEmpty()) return false;
        *value = ambientBackColor;
        return true;
    }
    void InvalidateControl(bool erase) override { invalidations.push_back(erase); }
    bool RequestEdit(framework::DispId id) override {
        requestedEdits.push_back(id);
        return allowEdits;
    }
    void PropertyChanged(framework::DispId id) override { changedProperties.push_back(id); }
    void OnEvent(framework::DispId id) override { events.push_back(id); }

    framework::Variant ambientBackColor;
    bool allowEdits = true;
    std::vector<bool> invalidations;
    std::vector<framework::DispId> requestedEdits;
    std::vector<framework::DispId> changedProperties;
    std::vector<framework::DispId> events;
};

}  // namespace tumbler::testing
