#pragma once

// CTumblerCtrl, the Tumbler switch control: its properties, persistence, clicks and events.
// Its paint hook (PaintControl, DrawToMetafile, in tumbler_ctrl_paint.cpp) hands the control's
// look to the switch's picture in switch_control/rendering/.

#include <cstdint>
#include <functional>
#include <string>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/control/dispatch.h"
#include "switch_control/framework/module/module_state.h"

namespace tumbler {

class CTumblerCtrl final : public framework::ControlBase {
  public:
    // A new control with its defaults, Ver's from string 201 of `module`; a container that
    // offers ambient properties sets its site and calls InitNew (or a Load) again.
    explicit CTumblerCtrl(const framework::ModuleState& module);
    // A control of the Tumbler module.
    CTumblerCtrl();
    ~CTumblerCtrl() override;

    // _DTumbler, bound to this class.
    static const framework::DispatchTable& DispatchTableOf();

    const framework::InterfaceInfo& DispatchInterface() const override;
    const framework::InterfaceInfo& EventInterface() const override;
    framework::HResult Invoke(framework::DispId id, framework::InvokeKind kind,
                              std::span<const framework::Variant> args,
                              framework::Variant* result) override;
    std::uint32_t GetControlFlags() const override;
    void PaintControl(drawing::DrawingContext& dc, const framework::Rect& bounds) override;
    void DrawToMetafile(drawing::DrawingContext& dc, const framework::Rect& bounds) override;

    // Properties of _DTumbler beyond the stock ones. Every set repaints and marks the control
    // modified; a set of Value also fires Change, even when the value is the same.
    std::int32_t GetValue() const { return value_; }
    void SetValue(std::int32_t value);
    std::int32_t GetSwitchShape() const { return switchShape_; }
    void SetSwitchShape(std::int32_t shape);
    std::int32_t GetAlignment() const { return alignment_; }
    void SetAlignment(std::int32_t alignment);
    std::int32_t GetCaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(std::int32_t alignment);
    framework::OleColor GetCaptionColor() const { return captionColor_; }
    void SetCaptionColor(framework::OleColor color);
    framework::OleColor GetLedColor() const { return ledColor_; }
    void SetLedColor(framework::OleColor color);
    double GetLedDarkPrm() const { return ledDarkPrm_; }
    void SetLedDarkPrm(double amount);
    // A new copy of the version text.
    std::string GetVer() const { return versionText_; }
    bool IsDrawingMetafile() const { return drawingMetafile_ != 0; }

    // The module shows the about dialog; without a handler AboutBox fails with kNotImplemented.
    void SetAboutBoxHandler(std::function<void()> handler) { aboutBox_ = std::move(handler); }
    framework::HResult AboutBox();

  protected:
    void ExchangeProperties(framework::PropExchange& px) override;
    void HandleClick(framework::MouseButton button) override;

  private:
    void OnPropertyChanged();
    void OnValueChanged();

    const framework::ModuleState& module_;
    std::int32_t drawingMetafile_ = 0;
    std::string versionText_;
    std::int32_t value_ = 0;
    std::int32_t switchShape_ = 0;
    std::int32_t alignment_ = 0;
    std::int32_t captionAlignment_ = 0;
    framework::OleColor captionColor_ = 0;
    framework::OleColor ledColor_ = 0;
    double ledDarkPrm_ = 0;
    std::function<void()> aboutBox_;
};

}  // namespace tumbler
