import QtQuick 2.15

// Help: the maker's web site, the firmware update program, the version, and
// Quit, which ends the program from the window on any desktop (with or
// without a tray).
Rectangle {
    id: helpMenu
    width: 159
    height: 1 + 21 * entries.length + 1
    color: "#6f2929"
    border.color: "#8f2020"
    border.width: 1
    visible: false

    readonly property string webAddress: "https://www.orvane.example/"
    property var entries: [webAddress, "update", "verison:1.0", "Quit"]

    function run(row) {
        visible = false
        if (row === 0)
            Qt.openUrlExternally(webAddress)
        else if (row === 1)
            ui_View.openUpdateExe()
        else if (row === 3)
            ui_Ctl.onQuit()
    }

    Column {
        x: 1
        y: 1
        Repeater {
            model: helpMenu.entries.length
            Rectangle {
                objectName: "helpEntry" + index
                width: 157
                height: 21
                color: area.containsMouse ? "#8f2020" : "transparent"
                Text {
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: helpMenu.entries[index]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: helpMenu.run(index)
                }
            }
        }
    }
}
