import QtQuick
import QtQuick.Templates as T
import Norvikon.Tumbler

// The Tumbler switch as a checkable Qt Quick button: the button's checked, text, pressed, down,
// toggle(), clicked() and toggled() (the user's toggles only), with the switch's own properties
// under the widget's names. `checked` is the control's value and `text` its caption; the
// control draws the switch (SwitchFace).
T.AbstractButton {
    id: control

    // The shapes, numbered as switchShape takes them; any other number draws the lever.
    enum Shape {
        Rocker,
        RockerWithLamp,
        Lever,
        SquareButton,
        RoundButton,
        LitSquareButton,
        LitRoundButton
    }

    // 0 vertical, 1 horizontal (any other number is vertical).
    property alias alignment: face.alignment
    // 0 the caption above the switch, 1 below it (any other number is above).
    property alias captionAlignment: face.captionAlignment
    property alias switchShape: face.switchShape
    property alias ledColor: face.ledColor
    property alias ledDarkPrm: face.ledDarkPrm
    property alias borderStyle: face.borderStyle
    property alias appearance: face.appearance
    property alias foreColor: face.foreColor
    // Until the program sets them, these follow the palette, as the caption follows the font:
    // the look a container gives the control as its ambient properties.
    property color captionColor: palette.windowText
    property color backColor: palette.window

    checkable: true
    focusPolicy: Qt.StrongFocus
    implicitWidth: face.implicitWidth
    implicitHeight: face.implicitHeight
    // The focus frame sits inside the border, over the switch.
    padding: face.borderWidth + 1

    // The switch itself, under the focus frame.
    SwitchFace {
        id: face

        z: -1
        width: control.width
        height: control.height
        value: control.checked
        caption: control.text
        font: control.font
        captionColor: control.captionColor
        backColor: control.backColor
    }

    contentItem: Rectangle {
        visible: control.visualFocus
        color: "transparent"
        border.color: control.palette.highlight
    }

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
}
