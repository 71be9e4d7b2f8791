#pragma once

#include <QPushButton>
#include <QString>

namespace widgets {

// A push button that keeps its state between clicks: a click turns it on, the next one off.
// Its face shows one text while off and another while on.
class LatchingSwitch : public QPushButton {
    Q_OBJECT
  public:
    LatchingSwitch(QString offFace, QString onFace, QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    void setOn(bool on) { setChecked(on); }

  private:
    void showFace(bool on);

    QString offFace_;
    QString onFace_;
};

}  // namespace widgets
