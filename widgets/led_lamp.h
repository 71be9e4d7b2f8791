#pragma once

#include <QColor>
#include <QWidget>

namespace widgets {

// A round indicator lamp: dark red when off, red when on. Only the program sets it; it takes
// neither clicks nor focus.
class LedLamp : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor kOffColor{64, 0, 0};
    static inline const QColor kOnColor{255, 0, 0};

    explicit LedLamp(QWidget* parent = nullptr);

    bool isOn() const { return on_; }
    void setOn(bool on);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool on_ = false;
};

}  // namespace widgets
