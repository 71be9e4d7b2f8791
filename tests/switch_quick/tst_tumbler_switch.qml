import QtQuick
import QtTest
import Norvikon.Tumbler

// TumblerSwitch as a QML author meets it: a checkable button's input, signals and
// accessibility, the control's defaults and extent, and the look that follows the palette.
Item {
    id: root

    width: 400
    height: 300

    TumblerSwitch {
        id: power

        x: 10
        y: 10
        width: 120
        height: 90
        text: "MAIN"
    }

    TumblerSwitch {
        id: other

        x: 200
        y: 10
        text: "FEED"
    }

    Component {
        id: plain

        TumblerSwitch {
        }
    }

    SignalSpy {
        id: toggledSpy

        target: power
        signalName: "toggled"
    }

    SignalSpy {
        id: clickedSpy

        target: power
        signalName: "clicked"
    }

    SignalSpy {
        id: shapeSpy

        target: power
        signalName: "switchShapeChanged"
    }

    SignalSpy {
        id: checkedSpy

        target: power
        signalName: "checkedChanged"
    }

    TestCase {
        name: "TumblerSwitch"
        when: windowShown

        function init() {
            power.checked = false;
            other.forceActiveFocus();
            toggledSpy.clear();
            clickedSpy.clear();
            checkedSpy.clear();
            shapeSpy.clear();
        }

        function test_a_click_toggles_it_and_tells_the_program() {
            mouseClick(power);
            verify(power.checked);
            compare(toggledSpy.count, 1);
            compare(clickedSpy.count, 1);
            compare(checkedSpy.count, 1);
            mouseClick(power);
            verify(!power.checked);
            compare(toggledSpy.count, 2);
            compare(clickedSpy.count, 2);
        }

        function test_only_the_left_button_clicks() {
            mouseClick(power, 60, 45, Qt.RightButton);
            mouseClick(power, 60, 45, Qt.MiddleButton);
            verify(!power.checked);
            compare(clickedSpy.count, 0);
        }

        function test_it_is_pressed_and_down_while_held_and_toggles_on_release() {
            mousePress(power);
            verify(power.pressed);
            verify(power.down);
            verify(!power.checked);
            mouseRelease(power);
            verify(!power.pressed);
            verify(power.checked);
        }

        function test_a_press_that_leaves_the_switch_does_not_toggle_it() {
            mousePress(power, 60, 45);
            mouseMove(power, 300, 250);
            mouseRelease(power, 300, 250);
            verify(!power.checked);
            compare(toggledSpy.count, 0);
        }

        function test_space_toggles_it_only_with_active_focus() {
            keyClick(Qt.Key_Space);
            verify(!power.checked);
            power.forceActiveFocus();
            verify(power.activeFocus);
            keyClick(Qt.Key_Space);
            verify(power.checked);
            compare(toggledSpy.count, 1);
            compare(clickedSpy.count, 1);
        }

        function test_tab_moves_the_focus_onto_it() {
            verify(power.activeFocusOnTab);
            other.forceActiveFocus();
            keyClick(Qt.Key_Tab);
            verify(power.activeFocus);
        }

        function test_checked_set_from_code_is_not_a_toggle() {
            verify(power.checkable);
            power.checked = true;
            compare(checkedSpy.count, 1);
            power.checked = true;
            compare(checkedSpy.count, 1);
            power.toggle();
            verify(!power.checked);
            compare(checkedSpy.count, 2);
            compare(toggledSpy.count, 0);
            compare(clickedSpy.count, 0);
        }

        function test_accessibility_names_a_check_box_that_follows_it() {
            compare(power.Accessible.role, Accessible.CheckBox);
            compare(power.Accessible.name, "MAIN");
            verify(power.Accessible.checkable);
            verify(!power.Accessible.checked);
            power.checked = true;
            verify(power.Accessible.checked);
            power.text = "POWER";
            compare(power.Accessible.name, "POWER");
            power.text = "MAIN";
        }

        function test_a_property_signals_only_a_real_change() {
            power.switchShape = TumblerSwitch.Lever;
            compare(shapeSpy.count, 1);
            power.switchShape = TumblerSwitch.Lever;
            compare(shapeSpy.count, 1);
            power.switchShape = TumblerSwitch.Rocker;
            compare(shapeSpy.count, 2);
        }

        function test_a_new_switch_has_the_controls_extent_and_defaults() {
            const s = createTemporaryObject(plain, root);
            compare(s.implicitWidth, 100);
            compare(s.implicitHeight, 50);
            compare(s.width, 100);
            compare(s.height, 50);
            compare(s.switchShape, TumblerSwitch.Rocker);
            compare(s.alignment, 0);
            compare(s.captionAlignment, 0);
            compare(s.ledColor, Qt.rgba(1, 0, 0, 1));
            compare(s.ledDarkPrm, 0.5);
            compare(s.borderStyle, 1);
            compare(s.appearance, 1);
            compare(s.text, "");
            verify(!s.checked);
        }

        function test_every_shape_loads_data() {
            return [
                { tag: "Rocker", shape: TumblerSwitch.Rocker, number: 0 },
                { tag: "RockerWithLamp", shape: TumblerSwitch.RockerWithLamp, number: 1 },
                { tag: "Lever", shape: TumblerSwitch.Lever, number: 2 },
                { tag: "SquareButton", shape: TumblerSwitch.SquareButton, number: 3 },
                { tag: "RoundButton", shape: TumblerSwitch.RoundButton, number: 4 },
                { tag: "LitSquareButton", shape: TumblerSwitch.LitSquareButton, number: 5 },
                { tag: "LitRoundButton", shape: TumblerSwitch.LitRoundButton, number: 6 },
                { tag: "unknown, drawn as the lever", shape: 9, number: 9 }
            ];
        }

        function test_every_shape_loads(data) {
            compare(data.shape, data.number);
            const s = createTemporaryObject(plain, root, {
                switchShape: data.shape,
                checked: true,
                text: data.tag
            });
            verify(s);
            compare(s.switchShape, data.number);
            waitForRendering(s);
            const image = grabImage(s);
            compare(image.width, 100);
            // The control filled the picture: its border is dark, its back is the window's.
            verify(image.pixel(0, 0) !== image.pixel(50, 25));
        }

        function test_unset_colours_follow_the_palette_and_set_ones_stay() {
            const s = createTemporaryObject(plain, root);
            s.palette.windowText = "#102030";
            s.palette.window = "#405060";
            const fore = s.foreColor;
            s.palette.button = "#708090";
            compare(s.captionColor, Qt.color("#102030"));
            compare(s.backColor, Qt.color("#405060"));
            // The switch's body keeps the control's colour, as the widget's does.
            compare(s.foreColor, fore);
            s.captionColor = "#ff0000";
            s.palette.windowText = "#00ff00";
            compare(s.captionColor, Qt.color("#ff0000"));
        }

        function test_the_caption_follows_the_font() {
            const s = createTemporaryObject(plain, root, { text: "MAIN" });
            waitForRendering(s);
            const before = grabImage(s);
            s.font.pixelSize = 30;
            waitForRendering(s);
            const after = grabImage(s);
            verify(!before.equals(after));
        }
    }
}
