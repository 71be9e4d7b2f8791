// The Qt Quick Test runner of TumblerSwitch's QML tests.
#include <QtQuickTest>

QUICK_TEST_MAIN(tumbler_switch)
