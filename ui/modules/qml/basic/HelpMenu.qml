import QtQuick 2.15

// Help: the maker's web site, the firmware update program, the version.
Rectangle {
    id: helpMenu
    width: 159
    height: 64
    color: "#6f2929"
    border.color: "#8f2020"
    border.width: 1
    visible: false

    readonly property string webAddress: "https://www.orvane.example/"
    property var entries: [webAddress, "update", "verison:1.0"]

    function run(row) {
        visible = false
        if (row === 0)
            Qt.openUrlExternally(webAddress)
        else if (row === 1)
            ui_View.openUpdateExe()
    }

    Column {
        x: 1
        y: 1
        Repeater {
            model: 3
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
