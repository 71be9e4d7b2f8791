#pragma once

// The control base class of our component framework: what a control relies on from it.
//
// Where the other layers plug in:
// - Drawing: PaintControl and DrawToMetafile below are the paint hook. They take the drawing
//   context of switch_control/graphics/drawing_context.h (tumbler::drawing::DrawingContext),
//   which the border draws through and the control's picture fills in. After
//   InvalidateControl the container paints the control by calling PaintControl with Bounds().
// - Container: ControlSite (control_site.h) is the container's side; SetClientSite hands it
//   over. The control asks it for ambient properties (the ambient back colour is BackColor's
//   default), tells it to repaint (InvalidateControl) and of bindable property changes.
// - Dispatch and events: a derived control gives its DispatchTable (dispatch.h, with the stock
//   rows of stock_properties.h) and its events' InterfaceInfo; the container connects an
//   EventSink with Advise.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "switch_control/framework/control/dispatch.h"
#include "switch_control/framework/control/events.h"
#include "switch_control/framework/control/font_description.h"
#include "switch_control/framework/control/geometry.h"
#include "switch_control/framework/control/guid.h"
#include "switch_control/framework/control/prop_exchange.h"
#include "switch_control/framework/control/property_bag.h"
#include "switch_control/framework/control/system_colors.h"

namespace tumbler::drawing {
class DrawingContext;
}

namespace tumbler::framework {

class ControlSite;

// Standard DISPIDs of the stock properties, methods and events.
constexpr DispId kDispIdBackColor = -501;
constexpr DispId kDispIdBorderStyle = -504;
constexpr DispId kDispIdFont = -512;
constexpr DispId kDispIdForeColor = -513;
constexpr DispId kDispIdCaption = -518;
constexpr DispId kDispIdAppearance = -520;
constexpr DispId kDispIdReadyState = -525;
constexpr DispId kDispIdDoClick = -551;
constexpr DispId kDispIdAboutBox = -552;
constexpr DispId kDispIdClick = -600;
constexpr DispId kDispIdReadyStateChange = -609;

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// Control flags (GetControlFlags).
constexpr std::uint32_t kControlFlagClipPaintDc = 0x1;
constexpr std::uint32_t kControlFlagNoFlickerActivate = 0x8;

// The stock properties' storage.
struct StockProperties {
    std::string text;  // Caption
    FontDescription font;
    OleColor foreColor = 0;
    OleColor backColor = 0;
    std::int16_t borderStyle = 0;
    std::int16_t appearance = 0;
    std::int32_t readyState = 0;
};

class ControlBase {
  public:
    virtual ~ControlBase();
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    const Guid& DispatchIid() const { return dispatchIid_; }
    const Guid& EventsIid() const { return eventsIid_; }

    // Dispatch.
    virtual const InterfaceInfo& DispatchInterface() const = 0;
    virtual const InterfaceInfo& EventInterface() const = 0;
    virtual HResult Invoke(DispId id, InvokeKind kind, std::span<const Variant> args,
                           Variant* result) = 0;
    // kUnknownName when the dispatch interface has no member of that name.
    HResult GetIdOfName(std::string_view name, DispId* id) const;
    HResult GetProperty(DispId id, Variant* value);
    HResult SetProperty(DispId id, const Variant& value);
    HResult CallMethod(DispId id);

    // Events: a cookie for Unadvise.
    std::uint32_t Advise(EventSink* sink) { return events_.Connect(sink); }
    bool Unadvise(std::uint32_t cookie) { return events_.Disconnect(cookie); }

    // The container's site; it must outlive the control or be replaced by nullptr first.
    void SetClientSite(ControlSite* site) { site_ = site; }
    ControlSite* ClientSite() const { return site_; }

    // Persistence. Every form runs ExchangeProperties; a new control and a reset take the
    // defaults. A failed load leaves the control with its defaults and returns the failure.
    void InitNew();
    HResult LoadFromBag(const PropertyBag& bag);
    HResult SaveToBag(PropertyBag* bag, bool clearDirty = true);
    // The bag's text form (property_bag.h); text that does not parse fails with kDataCorrupt.
    HResult LoadFromBagText(std::string_view text);
    HResult SaveToBagText(std::string* text, bool clearDirty = true);
    HResult LoadFromStream(std::span<const std::uint8_t> data);
    HResult SaveToStream(std::vector<std::uint8_t>* data, bool clearDirty = true);
    bool IsModified() const { return modified_; }

    // Where the control sits in the container, in pixels; its size is the stored extent.
    void SetBounds(const Rect& bounds) { bounds_ = bounds; }
    const Rect& Bounds() const { return bounds_; }

    // Mouse input in the container's pixels. A press and a release of the same button, both
    // inside the bounds, make a click: HandleClick runs with that button.
    void OnButtonDown(MouseButton button, Point where);
    void OnButtonUp(MouseButton button, Point where);
    // The stock DoClick: a click with the left button.
    void DoClick() { HandleClick(MouseButton::Left); }

    // Paint hook, filled in by the drawing; see the top of this file.
    virtual void PaintControl(drawing::DrawingContext& dc, const Rect& bounds);
    virtual void DrawToMetafile(drawing::DrawingContext& dc, const Rect& bounds);
    virtual std::uint32_t GetControlFlags() const { return kControlFlagClipPaintDc; }
    // Set by InvalidateControl until the container has painted and calls ValidateControl.
    bool NeedsRepaint() const { return needsRepaint_; }
    void ValidateControl() { needsRepaint_ = false; }

    // Stock properties. A set asks the site first (request edit), stores the value, marks the
    // control modified, repaints it and tells the site the property changed.
    const std::string& GetText() const { return stock_.text; }
    HResult SetText(std::string text);
    const FontDescription& InternalGetFont() const { return stock_.font; }
    // kInvalidPropertyValue for a font IsUsableFont refuses.
    HResult SetFont(FontDescription font);
    OleColor GetForeColor() const { return stock_.foreColor; }
    HResult SetForeColor(OleColor color);
    OleColor GetBackColor() const { return stock_.backColor; }
    HResult SetBackColor(OleColor color);
    std::int16_t GetBorderStyle() const { return stock_.borderStyle; }
    HResult SetBorderStyle(std::int16_t style);
    std::int16_t GetAppearance() const { return stock_.appearance; }
    HResult SetAppearance(std::int16_t appearance);
    std::int32_t GetReadyState() const { return stock_.readyState; }

    // An RGB colour for a colour value, through the system colour table; black for a value
    // that names no colour.
    Rgb TranslateColor(OleColor color) const;
    // The container's ambient values, or the system's when it offers none.
    OleColor AmbientBackColor() const;
    OleColor AmbientForeColor() const;
    FontDescription AmbientFont() const;

  protected:
    ControlBase(const Guid& dispatchIid, const Guid& eventsIid);

    // The one description of what is stored, run to save, load and reset.
    virtual void ExchangeProperties(PropExchange& px) = 0;
    // The framework's own part: the extent and the stock properties with its defaults.
    void ExchangeStockProps(PropExchange& px);
    StockProperties& Stock() { return stock_; }

    // A recognised click; the framework's handling fires Click. Controls that override it
    // call this at the end of their own.
    virtual void HandleClick(MouseButton button);
    // Repaint the whole control later; `erase` clears the background first.
    void InvalidateControl(bool erase = true);
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    void FireEvent(DispId id) { events_.Fire(id); }
    // After a set of a stock property; repaints.
    virtual void OnStockPropertyChanged(DispId id);

  private:
    HResult Load(PropExchange& px);
    HResult Save(PropExchange& px, bool clearDirty);
    template <typename T>
    HResult SetStock(DispId id, T& field, T value);

    Guid dispatchIid_;
    Guid eventsIid_;
    StockProperties stock_;
    Rect bounds_;
    ControlSite* site_ = nullptr;
    EventConnections events_;
    std::optional<MouseButton> pressed_;
    bool modified_ = false;
    bool needsRepaint_ = false;
};

}  // namespace tumbler::framework
