import QtQuick
import QtTest
import Norvikon.Tumbler

// The installed module as a QML program finds it, with no import path of its own.
Item {
    width: 200
    height: 100

    TumblerSwitch {
        id: power

        text: "MAIN"
    }

    SignalSpy {
        id: toggledSpy

        target: power
        signalName: "toggled"
    }

    TestCase {
        name: "InstalledTumblerSwitch"
        when: windowShown

        function test_the_installed_switch_toggles_on_a_click() {
            compare(power.implicitWidth, 100);
            compare(power.switchShape, TumblerSwitch.Rocker);
            mouseClick(power);
            verify(power.checked);
            compare(toggledSpy.count, 1);
        }
    }
}
