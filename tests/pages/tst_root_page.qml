import QtQuick 2.15
import QtTest 1.2

// The root page loads from the resources and forwards captured input as its
// two signals.
TestCase {
    name: "RootPage"

    Loader {
        id: loader
        source: "qrc:/modules/qml/main.qml"
    }

    SignalSpy { id: keys; target: loader.item; signalName: "msg_KB" }
    SignalSpy { id: buttons; target: loader.item; signalName: "msg_MS" }

    function test_forwards_keys_and_buttons() {
        verify(loader.item !== null)
        compare(loader.item.width, 1000)
        compare(loader.item.height, 640)
        verify(!loader.item.visible)
        loader.item.detectKeyboard(true, 0x04)
        compare(keys.count, 1)
        compare(keys.signalArguments[0][1], 0x04)
        loader.item.detectMouse(false, 0xF0, 10, 20)
        compare(buttons.count, 1)
        compare(buttons.signalArguments[0][1], 0xF0)
    }
}
