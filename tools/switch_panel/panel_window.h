#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SwitchPanel;
}
class TumblerSwitch;

namespace switch_panel {

// The log line's text for a switch that changed.
QString ChangeLogText(const TumblerSwitch& source);

// The machine panel of switch_panel.ui: a row of switches in all seven shapes whose changes
// are written into the log line below them.
class PanelWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PanelWindow(QWidget* parent = nullptr);
    ~PanelWindow() override;

  private:
    std::unique_ptr<Ui::SwitchPanel> ui_;
};

}  // namespace switch_panel
