#pragma once

// TumblerSwitch: the Tumbler switch as a Qt widget, for forms built in code, by uic or at run
// time by QUiLoader. It hosts one CTumblerCtrl, which stays the one source of truth: every
// property set, click and event goes through the control's dispatch.

#include <QAbstractButton>
#include <QColor>
#include <QString>
#include <memory>

namespace tumbler {
class CTumblerCtrl;
}

class TumblerSwitch : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool value READ value WRITE setValue NOTIFY changed)
    Q_PROPERTY(TumblerShapes switchShape READ switchShape WRITE setSwitchShape)
    Q_PROPERTY(TumblerAliments alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(Aliments captionAlignment READ captionAlignment WRITE setCaptionAlignment)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)
    Q_PROPERTY(QColor ledColor READ ledColor WRITE setLedColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(double ledDarkPrm READ ledDarkPrm WRITE setLedDarkPrm)
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QString ver READ ver)
    // The button's own text and state stand for caption and value: kept out of forms.
    Q_PROPERTY(QString text READ text DESIGNABLE false STORED false)
    Q_PROPERTY(bool checkable READ isCheckable DESIGNABLE false STORED false)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked DESIGNABLE false STORED false)

  public:
    // The control keeps any value it is given (an unknown shape draws as type3), so each
    // enumeration holds every int, not only its names.
    enum TumblerShapes : int { type1, type2, type3, type4, type5, type6, type7 };
    Q_ENUM(TumblerShapes)
    enum TumblerAliments : int { vertical, horizontal };
    Q_ENUM(TumblerAliments)
    enum Aliments : int { top, bottom };
    Q_ENUM(Aliments)

    explicit TumblerSwitch(QWidget* parent = nullptr);
    ~TumblerSwitch() override;

    // The hosted control, for hosts that use its dispatch or persistence directly.
    tumbler::CTumblerCtrl& control() const;

    bool value() const;
    void setValue(bool on);
    TumblerShapes switchShape() const;
    void setSwitchShape(TumblerShapes shape);
    TumblerAliments alignment() const;
    void setAlignment(TumblerAliments alignment);
    Aliments captionAlignment() const;
    void setCaptionAlignment(Aliments alignment);
    QString caption() const;
    void setCaption(const QString& caption);
    QColor captionColor() const;
    void setCaptionColor(const QColor& colour);
    QColor ledColor() const;
    void setLedColor(const QColor& colour);
    QColor foreColor() const;
    void setForeColor(const QColor& colour);
    QColor backColor() const;
    void setBackColor(const QColor& colour);
    double ledDarkPrm() const;
    void setLedDarkPrm(double amount);
    int borderStyle() const;
    void setBorderStyle(int style);
    int appearance() const;
    void setAppearance(int appearance);
    QString ver() const;

    // The control's default extent.
    QSize sizeHint() const override;

  public slots:
    // The control's DoClick: a click with the left button.
    void doClick();

  signals:
    // The control's Change: after every change of value, also a set to the same value.
    void changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Qt's own clicks (Space, shortcut, click()) take the control's click path.
    void nextCheckState() override;
    // Qt's own setChecked and toggle become sets of the control's value.
    void checkStateSet() override;

  private:
    struct Site;
    bool ClickWouldUncheckExclusive() const;
    void SetControlProperty(int dispid, const QColor& colour);
    QColor ControlColour(int dispid) const;
    void ShowControlFont();
    void ShowControlCaption();
    void SyncChecked();

    std::unique_ptr<tumbler::CTumblerCtrl> control_;
    std::unique_ptr<Site> site_;
    bool syncing_ = false;     // checked is being set to follow the control
    bool qtClicking_ = false;  // Qt's click path runs; Qt emits clicked itself
};
