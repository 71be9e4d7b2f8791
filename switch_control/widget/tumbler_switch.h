#pragma once

/// @file
/// TumblerSwitch, the Tumbler two-state switch as a Qt widget.

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QString>
#include <memory>

namespace tumbler {
class CTumblerCtrl;
}

/**
 * @brief A two-state switch drawn as a rocker, a toggle lever or a push button, with an
 * optional lamp and a caption.
 *
 * The widget hosts one Tumbler control (tumbler::CTumblerCtrl), which stays the one source of
 * truth: every property set, click and event goes through the control, so a switch in a Qt
 * program looks and behaves as the same switch in the component framework's containers, and
 * its properties save and load in the control's own formats (control()).
 *
 * It works in forms built in code, by uic and at run time by QUiLoader (with the Designer
 * plugin on Qt's plugin path), in a QButtonGroup, with accessibility (a check box named by its
 * caption) and with `qproperty-` style sheets.
 *
 * **Input.** A click of the left mouse button (pressed and released inside the switch), Space
 * while it has the focus, click(), animateClick() and doClick() flip the switch. The right and
 * middle buttons are left to the parent, as every Qt button leaves them. setValue(),
 * setChecked() and toggle() set the value without a click.
 *
 * **Signals.** For one click: changed(), toggled() (when the state really changed) and then
 * clicked(). A set of the value emits changed(), and toggled() only when the state changed.
 *
 * **Look.** The caption font (the widget's font), the caption colour and the back colour
 * follow the program's look until the program sets them: an unset font is the widget's font
 * as Qt hands it down (application, parent, style sheet), an unset captionColor is the
 * palette's QPalette::WindowText and an unset backColor its QPalette::Window, and all three
 * follow later font and palette changes. A value set from code, a style sheet
 * (`qproperty-captionColor`) or a form keeps its value.
 */
class TumblerSwitch : public QAbstractButton {
    Q_OBJECT
    /// The state: true is on. Any set repaints and emits changed(); toggled() follows when the
    /// state changed. Default false. In an exclusive QButtonGroup the switch that is on stays on.
    Q_PROPERTY(bool value READ value WRITE setValue NOTIFY toggled)
    /// The shape, see SwitchShape. Default Rocker. Any number is kept; numbers outside 0 to 6
    /// draw as Lever.
    Q_PROPERTY(SwitchShape switchShape READ switchShape WRITE setSwitchShape)
    /// Which way the switch works, see Orientation. Default Vertical; numbers other than 1 draw
    /// as Vertical.
    Q_PROPERTY(Orientation alignment READ alignment WRITE setAlignment)
    /// Where a rocker or a lever shows its caption, see CaptionPosition. Default Top; numbers
    /// other than 1 draw as Top. Push buttons show the caption on their face.
    Q_PROPERTY(CaptionPosition captionAlignment READ captionAlignment WRITE setCaptionAlignment)
    /// The caption, the control's Caption: any text, default empty (no caption strip). `&` is
    /// shown as it is, not as a mnemonic. Designer's "Change text..." edits it in place.
    Q_PROPERTY(QString text READ text WRITE setText)
    /// The same as text, under the control's name. Not offered in Designer; stored, so that
    /// Designer keeps it in a form saved before, which names the caption so.
    Q_PROPERTY(QString caption READ caption WRITE setCaption DESIGNABLE false)
    /// The caption's colour. Until set, the palette's QPalette::WindowText.
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)
    /// The colour of the lamp. Only RockerWithLamp has a lamp: it shows this colour when on and
    /// a darker shade of it (ledDarkPrm) when off. Default red (255, 0, 0).
    Q_PROPERTY(QColor ledColor READ ledColor WRITE setLedColor)
    /// The colour of the switch body. The lit buttons (LitSquareButton, LitRoundButton) light
    /// up in this colour when on and show a darker shade of it when off. Default the button
    /// face colour (192, 192, 192).
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    /// The colour around the switch and behind the caption. Until set, the palette's
    /// QPalette::Window.
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    /// How bright the unlit lamp and an unlit lit button are: the luminance of ledColor (of
    /// foreColor for the lit buttons) times this number; 0 is black, 1 as bright as lit.
    /// Default 0.5. Any number is kept and used as it is.
    Q_PROPERTY(double ledDarkPrm READ ledDarkPrm WRITE setLedDarkPrm)
    /// 1 (default) draws a border around the widget, 0 none.
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    /// With a border: 1 (default) a sunken 3-D edge two pixels wide, 0 a flat one-pixel frame.
    Q_PROPERTY(int appearance READ appearance WRITE setAppearance)
    /// The control's version text, "1.10 Bata1" unless loaded from stored properties, which
    /// keep the text they were saved with. Read only.
    Q_PROPERTY(QString ver READ ver)
    /// Always true; the checked state is value. Not offered in Designer, not saved in forms.
    Q_PROPERTY(bool checkable READ isCheckable DESIGNABLE false STORED false)
    /// The same as value (setChecked() and toggle() are sets of it). Not offered in Designer,
    /// not saved in forms.
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked DESIGNABLE false STORED false)
    /// QAbstractButton's icon: the switch does not show it. Not offered in Designer.
    Q_PROPERTY(QIcon icon READ icon WRITE setIcon DESIGNABLE false)
    /// QAbstractButton's icon size: the switch shows no icon. Not offered in Designer.
    Q_PROPERTY(QSize iconSize READ iconSize WRITE setIconSize DESIGNABLE false)
    /// QAbstractButton's auto-repeat: the switch does not repeat. Not offered in Designer.
    Q_PROPERTY(bool autoRepeat READ autoRepeat WRITE setAutoRepeat DESIGNABLE false)
    /// QAbstractButton's auto-repeat delay: unused. Not offered in Designer.
    Q_PROPERTY(int autoRepeatDelay READ autoRepeatDelay WRITE setAutoRepeatDelay DESIGNABLE false)
    /// QAbstractButton's auto-repeat interval: unused. Not offered in Designer.
    Q_PROPERTY(
        int autoRepeatInterval READ autoRepeatInterval WRITE setAutoRepeatInterval DESIGNABLE false)

  public:
    /// The seven shapes, the numbers of switchShape. The control keeps any number it is given
    /// (switchShape() may return one outside the names); those draw as Lever.
    enum SwitchShape : int {
        /// A rocker switch in foreColor with darker shaded faces, tilted one way when off and
        /// the other way when on; no lamp. The caption in a strip above or below it.
        Rocker = 0,
        /// The rocker with a small lamp in the raised half, lit in ledColor when on and in a
        /// darker shade (ledDarkPrm) when off. The only shape that shows ledColor.
        RockerWithLamp = 1,
        /// A toggle lever on a hexagonal nut, pointing up (right when horizontal) when on and
        /// down (left) when off. The caption in a strip above or below it.
        Lever = 2,
        /// A square push button, raised when off and sunken when on, in foreColor, the caption
        /// on its face.
        SquareButton = 3,
        /// A round push button, raised when off and sunken when on, in foreColor, the caption
        /// on its face.
        RoundButton = 4,
        /// A square button that lights up: foreColor when on, a darker shade (ledDarkPrm) when
        /// off, the caption on its face.
        LitSquareButton = 5,
        /// A round button that lights up: foreColor when on, a darker shade (ledDarkPrm) when
        /// off, the caption on its face.
        LitRoundButton = 6,
        // The type library's names, which forms saved before carry: they keep loading (QUiLoader
        // reads names) and compiling (uic writes them).
        type1 = Rocker,           ///< The type library's name of Rocker.
        type2 = RockerWithLamp,   ///< The type library's name of RockerWithLamp.
        type3 = Lever,            ///< The type library's name of Lever.
        type4 = SquareButton,     ///< The type library's name of SquareButton.
        type5 = RoundButton,      ///< The type library's name of RoundButton.
        type6 = LitSquareButton,  ///< The type library's name of LitSquareButton.
        type7 = LitRoundButton,   ///< The type library's name of LitRoundButton.
    };
    Q_ENUM(SwitchShape)
    /// Which way the switch works (alignment). Any number is kept; those other than 1 draw as
    /// Vertical.
    enum Orientation : int {
        Vertical = 0,         ///< The rocker's halves one above the other; the lever up when on.
        Horizontal = 1,       ///< The rocker's halves side by side; the lever right when on.
        vertical = Vertical,  ///< The type library's name of Vertical.
        horizontal = Horizontal,  ///< The type library's name of Horizontal.
    };
    Q_ENUM(Orientation)
    /// Where a rocker or a lever shows its caption (captionAlignment). Any number is kept; those
    /// other than 1 draw as Top.
    enum CaptionPosition : int {
        Top = 0,          ///< In a strip along the top, as high as the caption.
        Bottom = 1,       ///< In a strip along the bottom.
        top = Top,        ///< The type library's name of Top.
        bottom = Bottom,  ///< The type library's name of Bottom.
    };
    Q_ENUM(CaptionPosition)
    /// The type library's name of SwitchShape, for code written against it.
    using TumblerShapes = SwitchShape;
    /// The type library's name of Orientation.
    using TumblerAliments = Orientation;
    /// The type library's name of CaptionPosition.
    using Aliments = CaptionPosition;

    /// A switch with the control's defaults and the look of `parent`.
    explicit TumblerSwitch(QWidget* parent = nullptr);
    ~TumblerSwitch() override;

    /// The hosted control, for hosts that use its dispatch or persistence directly. Its
    /// property sets reach the widget (repaint, signals) as the widget's own do.
    tumbler::CTumblerCtrl& control() const;

    /// Reads value (true is on).
    bool value() const;
    /// Sets value: a set of the control's Value, changed() always, toggled() on a real change.
    void setValue(bool on);
    /// Reads switchShape, also a number outside the names.
    SwitchShape switchShape() const;
    /// Sets switchShape; any number is kept.
    void setSwitchShape(SwitchShape shape);
    /// Reads alignment.
    Orientation alignment() const;
    /// Sets alignment; any number is kept.
    void setAlignment(Orientation alignment);
    /// Reads captionAlignment.
    CaptionPosition captionAlignment() const;
    /// Sets captionAlignment; any number is kept.
    void setCaptionAlignment(CaptionPosition position);
    /// Reads the caption (text and caption are one property). Hides QAbstractButton::text(),
    /// which holds the caption for accessibility with each `&` doubled.
    QString text() const { return caption(); }
    /// Sets the caption. Hides QAbstractButton::setText(); a text set through a
    /// QAbstractButton pointer becomes the caption when the switch is drawn next.
    void setText(const QString& text) { setCaption(text); }
    /// Reads the caption, the same as text().
    QString caption() const;
    /// Sets the caption, the same as setText().
    void setCaption(const QString& caption);
    /// Reads captionColor.
    QColor captionColor() const;
    /// Sets captionColor, which no longer follows the palette; an invalid colour is ignored.
    void setCaptionColor(const QColor& colour);
    /// Reads ledColor.
    QColor ledColor() const;
    /// Sets ledColor; an invalid colour is ignored.
    void setLedColor(const QColor& colour);
    /// Reads foreColor.
    QColor foreColor() const;
    /// Sets foreColor; an invalid colour is ignored.
    void setForeColor(const QColor& colour);
    /// Reads backColor.
    QColor backColor() const;
    /// Sets backColor, which no longer follows the palette; an invalid colour is ignored.
    void setBackColor(const QColor& colour);
    /// Reads ledDarkPrm.
    double ledDarkPrm() const;
    /// Sets ledDarkPrm; any number is kept.
    void setLedDarkPrm(double amount);
    /// Reads borderStyle.
    int borderStyle() const;
    /// Sets borderStyle.
    void setBorderStyle(int style);
    /// Reads appearance.
    int appearance() const;
    /// Sets appearance.
    void setAppearance(int appearance);
    /// Reads ver.
    QString ver() const;

    /// The control's default extent, 100 x 50, or larger where the caption would not fit in it.
    QSize sizeHint() const override;
    /// The smallest size at which the caption fits and the shape is drawn whole, border
    /// included.
    QSize minimumSizeHint() const override;

  public Q_SLOTS:
    /// The control's DoClick: a click with the left button (changed(), toggled(), clicked()).
    void doClick();

  Q_SIGNALS:
    /// The control's Change event: after every change of value by a click or a set, also a set
    /// to the value it already had. For the state alone, use toggled().
    void changed();
    /// QAbstractButton::toggled() under the switch's own name, so that it can notify value
    /// (Qt's property system takes no inherited signal with a parameter): emitted with it, when
    /// the state really changed, after changed().
    void toggled(bool on);

  protected:
    /// Shows the control's picture, and a dotted focus frame inside the border.
    void paintEvent(QPaintEvent* event) override;
    /// A left press starts a click; other buttons are ignored and go to the parent.
    void mousePressEvent(QMouseEvent* event) override;
    /// A left release inside the switch after a left press inside it is a click.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Does nothing: the control recognises its clicks itself.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// The control's extent follows the widget's size.
    void resizeEvent(QResizeEvent* event) override;
    /// Font and palette changes reach the properties that follow the program's look.
    void changeEvent(QEvent* event) override;
    /// Qt's own clicks (Space, shortcut, click()) take the control's click path.
    void nextCheckState() override;
    /// Qt's own setChecked() and toggle() become sets of the control's value.
    void checkStateSet() override;

  private:
    struct Private;
    bool ClickWouldUncheckExclusive() const;
    void SetControlProperty(int dispid, const QColor& colour);
    QColor ControlColour(int dispid) const;
    void FollowLook();
    void ShowControlFont();
    void ShowControlCaption();
    void SyncChecked();

    const std::unique_ptr<Private> d_;
};
