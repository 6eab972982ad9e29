import QtQuick 2.15
import "Skin.js" as Skin

// Assigns a macro of the macro editor's list, with its play mode, to the
// selected button and sends the macro to that button's slot.
DialogFrame {
    id: macroKey
    width: 320
    height: 300
    background: "macroKeyBg"
    title: macroKeyLang[0]

    property var macroKeyLang: ["Macro Key", "Select Macro", "Macro runs once after \npressing button",
        "Macro loops until any \nbutton is pressed", "Macro loops until button \nis released",
        "OK", "Cancel", "Key", "Please assign a Key", "Null Macro"]
    property int playMode: 0
    property string chosenName: ""
    property int listPosition: -1
    property bool nullMacro: false
    property alias dropDownOpen: dropDown.visible

    readonly property int kindMacro: 0x0A
    readonly property int slotCount: 12
    // Play modes from top to bottom, with the text that describes each.
    readonly property var modeTexts: [2, 4, 3]

    signal closeSure()

    function macroModel() {
        return typeof macroEditorMain !== "undefined" ? macroEditorMain.macroListModel : null
    }

    function showUI() {
        chosenName = ""
        nullMacro = false
        dropDown.visible = false
        centre()
        visible = true
    }

    function macroKeyFocus() {
        dropDown.visible = false
        forceActiveFocus()
    }

    function choose(position) {
        dropDown.visible = false
        var model = macroModel()
        if (!model || position < 0 || position >= model.count)
            return
        listPosition = position
        chosenName = model.get(position).macroName
        // The stored list ends with the loop count: one element means no events.
        nullMacro = ui_View.loadMacroIni(chosenName).length <= 1
    }

    function close() {
        visible = false
        dropDown.visible = false
        closeSure()
    }

    function accept() {
        if (nullMacro || chosenName === "")
            return
        var key = typeof mouseMain !== "undefined" ? mouseMain.selectKey : -1
        if (key < 0 || key >= slotCount || typeof keyMatrixMain === "undefined") {
            close()
            return
        }
        if (keyMatrixMain.modifyData(key, kindMacro, 0, playMode + 1, key)) {
            ui_View.setMacroKey(key, chosenName)
            keyMatrixMain.refreashUI()
            macroEditorMain.sendMacro(key, chosenName)
        }
        close()
    }

    onCloseBox: close()

    component Label: Text {
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Label { x: 20; y: 14; text: macroKey.macroKeyLang[1] }
    Rectangle {
        id: field
        x: 120
        y: 10
        width: 109
        height: 22
        color: "#1c1c1c"
        border.color: "#4e3434"
        Label {
            x: 5
            width: parent.width - 10
            anchors.verticalCenter: parent.verticalCenter
            elide: Text.ElideRight
            text: macroKey.chosenName
        }
        MouseArea {
            anchors.fill: parent
            onClicked: dropDown.visible = !dropDown.visible
        }
    }
    Label {
        x: 120
        y: 36
        visible: macroKey.nullMacro
        text: macroKey.macroKeyLang[9]
        color: "#ff6060"
    }

    Column {
        x: 20
        y: 64
        spacing: 10
        Repeater {
            model: macroKey.modeTexts
            Item {
                width: 260
                height: 34
                Row {
                    spacing: 8
                    Item {
                        width: 16
                        height: 16
                        Rectangle {
                            anchors.fill: parent
                            radius: 8
                            color: "#1c1c1c"
                            border.color: "#c0c0c0"
                        }
                        Rectangle {
                            anchors.centerIn: parent
                            width: 8
                            height: 8
                            radius: 4
                            color: "#c0c0c0"
                            visible: macroKey.playMode === index
                        }
                        Image {
                            anchors.fill: parent
                            source: Skin.image("index", macroKey.playMode === index ? "macroTypeCheck" : "macroTypeCheck0",
                                               mainIten.skin_No)
                        }
                    }
                    Label { text: macroKey.macroKeyLang[modelData] }
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: macroKey.playMode = index
                }
            }
        }
    }

    Row {
        x: 62
        y: 222
        spacing: 20
        DialogButton { text: macroKey.macroKeyLang[5]; onClicked: macroKey.accept() }
        DialogButton { text: macroKey.macroKeyLang[6]; onClicked: macroKey.close() }
    }

    Rectangle {
        id: dropDown
        x: field.x
        y: field.y + field.height
        width: 109
        height: 129
        visible: false
        color: "#1c1c1c"
        border.color: "#4e3434"
        z: 5
        ListView {
            id: dropList
            x: 1
            y: 1
            width: parent.width - 2
            height: parent.height - 2
            clip: true
            model: macroKey.macroModel()
            delegate: Rectangle {
                width: dropList.width
                height: 18
                color: rowArea.containsMouse || index === macroKey.listPosition ? "#761212" : "transparent"
                Label { x: 4; anchors.verticalCenter: parent.verticalCenter; text: macroName }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: macroKey.choose(index)
                }
            }
        }
        Rectangle {
            anchors.right: parent.right
            anchors.rightMargin: 1
            y: dropList.visibleArea.yPosition * parent.height
            width: 5
            radius: 2
            height: Math.min(1, dropList.visibleArea.heightRatio) * parent.height
            color: "#767676"
            visible: dropList.contentHeight > 128
        }
    }
}
