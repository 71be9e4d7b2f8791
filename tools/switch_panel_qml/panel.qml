import QtQuick
import Norvikon.Tumbler

// The Tumbler switch in QML: the seven shapes with their captions, an LED switch, and a line
// that logs the toggles. Run it with Qt's qml tool: qml panel.qml
Rectangle {
    id: panel

    // The newest toggles, newest first.
    property var toggles: []

    function logToggle(aSwitch) {
        toggles = [aSwitch.text + (aSwitch.checked ? " on" : " off")].concat(toggles.slice(0, 3));
    }

    implicitWidth: switches.implicitWidth + 24
    implicitHeight: switches.implicitHeight + log.implicitHeight + 36
    color: palette.window

    Grid {
        id: switches

        x: 12
        y: 12
        columns: 4
        spacing: 12

        Repeater {
            model: [
                { shape: TumblerSwitch.Rocker, caption: "ROCKER" },
                { shape: TumblerSwitch.RockerWithLamp, caption: "LAMP" },
                { shape: TumblerSwitch.Lever, caption: "LEVER" },
                { shape: TumblerSwitch.SquareButton, caption: "SQUARE" },
                { shape: TumblerSwitch.RoundButton, caption: "ROUND" },
                { shape: TumblerSwitch.LitSquareButton, caption: "LIT SQUARE" },
                { shape: TumblerSwitch.LitRoundButton, caption: "LIT ROUND" }
            ]

            TumblerSwitch {
                required property var modelData

                objectName: "shape" + modelData.shape
                width: 120
                height: 90
                switchShape: modelData.shape
                text: modelData.caption
                onToggled: panel.logToggle(this)
            }
        }

        TumblerSwitch {
            objectName: "led"
            width: 120
            height: 90
            switchShape: TumblerSwitch.RockerWithLamp
            alignment: 1
            ledColor: "#00e000"
            text: "LED"
            checked: true
            onToggled: panel.logToggle(this)
        }
    }

    Text {
        id: log

        objectName: "log"
        x: 12
        anchors.top: switches.bottom
        anchors.topMargin: 12
        color: panel.palette.windowText
        text: panel.toggles.length > 0 ? "Toggled: " + panel.toggles.join(", ") : "Toggle a switch."
    }
}
