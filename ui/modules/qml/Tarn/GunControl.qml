import QtQuick 2.15

// The "Gun Manager" window: the gun list and the fields of the chosen gun.
DialogFrame {
    id: gunControl
    width: 520
    height: 360
    background: "bg"
    backgroundGroup: "gun"
    title: gunControlLang[0]

    property var gunControlLang: ["Gun Manager", "Name", "Auxiliary Setting", "Trigger Key", "Interval Times(MS)",
        "Deviation", "Run Times", "Unlimited", "New", "Delete", "OK", "Cancel", "", "", ""]
    property bool isSendData: false
    property string selectGunName: ""

    function init() {
    }

    function gunControlFocus() {
    }

    function showUI() {
        centre()
        visible = true
    }
}
