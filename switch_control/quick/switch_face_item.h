#pragma once

// SwitchFace, the switch's picture as a Qt Quick item: the Tumbler control draws it into an
// image at the item's size times the window's device pixel ratio, the same picture the widget
// shows, and the scene graph shows that image as one texture. The control draws again only
// after one of its properties changed, or for another size or ratio. SwitchFace takes no
// input; TumblerSwitch puts a button around it.

#include <QtQml/qqmlregistration.h>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QQuickItem>
#include <QString>
#include <memory>

#include "switch_control/qt/switch_picture.h"

namespace tumbler {
class CTumblerCtrl;
}

namespace tumbler::quick {

class SwitchFaceItem : public QQuickItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(SwitchFace)
    // The control's properties; each signal fires on a real change only. Until they are set,
    // they hold the control's defaults.
    Q_PROPERTY(bool value READ value WRITE setValue NOTIFY valueChanged FINAL)
    Q_PROPERTY(
        int switchShape READ switchShape WRITE setSwitchShape NOTIFY switchShapeChanged FINAL)
    Q_PROPERTY(int alignment READ alignment WRITE setAlignment NOTIFY alignmentChanged FINAL)
    Q_PROPERTY(int captionAlignment READ captionAlignment WRITE setCaptionAlignment NOTIFY
                   captionAlignmentChanged FINAL)
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged FINAL)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged FINAL)
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor NOTIFY
                   captionColorChanged FINAL)
    Q_PROPERTY(QColor ledColor READ ledColor WRITE setLedColor NOTIFY ledColorChanged FINAL)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor NOTIFY foreColorChanged FINAL)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor NOTIFY backColorChanged FINAL)
    Q_PROPERTY(double ledDarkPrm READ ledDarkPrm WRITE setLedDarkPrm NOTIFY ledDarkPrmChanged FINAL)
    Q_PROPERTY(
        int borderStyle READ borderStyle WRITE setBorderStyle NOTIFY borderStyleChanged FINAL)
    Q_PROPERTY(int appearance READ appearance WRITE setAppearance NOTIFY appearanceChanged FINAL)
    // The width of the border that the style and the appearance draw around the switch.
    Q_PROPERTY(int borderWidth READ borderWidth NOTIFY borderWidthChanged FINAL)

  public:
    explicit SwitchFaceItem(QQuickItem* parent = nullptr);
    ~SwitchFaceItem() override;

    // The control, for hosts and tests that draw it themselves.
    CTumblerCtrl& control() const { return *control_; }

    bool value() const;
    void setValue(bool on);
    int switchShape() const;
    void setSwitchShape(int shape);
    int alignment() const;
    void setAlignment(int alignment);
    int captionAlignment() const;
    void setCaptionAlignment(int alignment);
    QString caption() const;
    void setCaption(const QString& caption);
    QFont font() const;
    void setFont(const QFont& font);
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
    int borderWidth() const;

  Q_SIGNALS:
    void valueChanged();
    void switchShapeChanged();
    void alignmentChanged();
    void captionAlignmentChanged();
    void captionChanged();
    void fontChanged();
    void captionColorChanged();
    void ledColorChanged();
    void foreColorChanged();
    void backColorChanged();
    void ledDarkPrmChanged();
    void borderStyleChanged();
    void appearanceChanged();
    void borderWidthChanged();

  protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& data) override;
    // The control draws here, on the GUI thread; the render thread only takes the image.
    void updatePolish() override;
    QSGNode* updatePaintNode(QSGNode* node, UpdatePaintNodeData* data) override;

  private:
    struct Site;
    // Stores `wanted` through `store` and fires `changed`, unless `now` is `wanted` already.
    template <typename Value, typename Store>
    void Change(const Value& now, const Value& wanted, Store store,
                void (SwitchFaceItem::*changed)());
    void SetColour(int dispid, const QColor& colour, void (SwitchFaceItem::*changed)());
    QColor Colour(int dispid) const;
    void Redraw();

    struct Extent {
        QSize size;  // in the item's coordinates; empty when nothing is shown
        double ratio = 0;
        bool operator==(const Extent&) const = default;
    };

    std::unique_ptr<CTumblerCtrl> control_;
    std::unique_ptr<Site> site_;
    qt::SwitchPicture picture_;
    Extent shown_;  // of the last picture handed to the scene graph
    QImage drawn_;  // that picture until the scene graph takes it
};

}  // namespace tumbler::quick
