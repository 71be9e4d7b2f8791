#pragma once

#include <QWidget>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/control/control_site.h"
#include "switch_control/framework/control/events.h"

namespace container {

namespace fw = tumbler::framework;

// The container's site for one control: it paints the control (its border
// included) into the control's bounds, passes mouse buttons on, offers the
// ambient back colour, and reports the control's events.
class ControlHost : public QWidget, public fw::ControlSite, public fw::EventSink {
    Q_OBJECT
  public:
    static constexpr int kMargin = 16;

    explicit ControlHost(QWidget* parent = nullptr);
    ~ControlHost() override;

    // Hosts `control` (nullptr: none). The control must stay alive until it is
    // detached by another Attach.
    void Attach(fw::ControlBase* control);
    fw::ControlBase* control() const { return control_; }
    // The control's bounds in this widget.
    fw::Rect ControlBounds() const;

    bool GetAmbientProperty(fw::DispId id, fw::Variant* value) const override;
    void InvalidateControl(bool erase) override;
    void PropertyChanged(fw::DispId id) override;
    void* ContainerWindow() const override;
    void OnEvent(fw::DispId id) override;

  signals:
    void eventFired(int dispid);
    void propertyChanged(int dispid);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    fw::ControlBase* control_ = nullptr;
    std::uint32_t cookie_ = 0;
};

}  // namespace container
