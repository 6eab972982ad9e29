import QtQuick 2.15
import "../basic/PanelMath.js" as PanelMath

// Wheel scroll: a number of lines (1..100) or one screen per notch.
// Images: 0 and 1 option off and on, 2 the field, 3/4 up, 5/6 down (hovered).
Frame {
    id: scrollPanel
    title: mainIten.mainLang[12]
    contentHeight: 128

    property int lines: 3
    property int linesValue: 3
    property int option: 0
    readonly property alias fieldFocus: field.activeFocus
    property alias fieldText: field.text

    signal linesChange()

    function send(value) {
        linesValue = value
        linesChange()
    }

    // The field's text as a line count, written back in its valid form.
    function fieldLines() {
        var n = PanelMath.scrollLines(field.text)
        field.text = String(n)
        return n
    }

    function chooseRows() {
        option = 0
        send(fieldLines())
    }

    function chooseScreen() {
        option = 1
        send(PanelMath.kScrollOneScreen)
    }

    function step(delta) {
        var n = PanelMath.clamp(PanelMath.scrollLines(field.text) + delta, PanelMath.kScrollMin, PanelMath.kScrollMax)
        field.text = String(n)
        if (option === 0)
            send(n)
    }

    function dropFocus() {
        if (field.activeFocus)
            field.focus = false
    }

    function init() {
        var stored = ui_View.getVerticalScrollLines()
        if (stored === PanelMath.kScrollOneScreen) {
            option = 1
            lines = stored
        } else {
            // A missing or zero entry would stop the wheel: it becomes 1.
            option = 0
            lines = PanelMath.scrollLines(String(stored))
            field.text = String(lines)
        }
    }

    Rectangle {
        width: 242
        height: parent.height
        color: "#b31a1a1a"
    }

    Binding {
        target: mainIten
        property: "isScrollRateFocus"
        value: field.activeFocus
    }

    Column {
        x: 12
        y: 14
        spacing: 18

        Row {
            spacing: 8
            height: 24
            Image {
                objectName: "rowsOption"
                y: 5
                width: 14
                height: 14
                source: scrollPanel.option === 0 ? mainIten.sourcescrollRate1 : mainIten.sourcescrollRate0
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onClicked: scrollPanel.chooseRows()
                }
            }
            Text {
                width: 110
                height: 24
                verticalAlignment: Text.AlignVCenter
                text: mainIten.mainLang[15]
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
            Image {
                width: 46
                height: 24
                source: mainIten.sourcescrollRate2
                TextInput {
                    id: field
                    objectName: "linesField"
                    anchors.fill: parent
                    anchors.margins: 4
                    horizontalAlignment: TextInput.AlignHCenter
                    verticalAlignment: TextInput.AlignVCenter
                    text: "1"
                    maximumLength: 3
                    validator: RegExpValidator { regExp: /[0-9]{0,3}/ }
                    color: mainIten.fontColor
                    selectByMouse: true
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                    onActiveFocusChanged: {
                        if (!activeFocus && scrollPanel.option === 0)
                            scrollPanel.send(scrollPanel.fieldLines())
                    }
                    onAccepted: scrollPanel.dropFocus()
                }
            }
            Column {
                Image {
                    objectName: "linesUp"
                    width: 14
                    height: 12
                    source: upArea.containsMouse ? mainIten.sourcescrollRate4 : mainIten.sourcescrollRate3
                    MouseArea { id: upArea; anchors.fill: parent; hoverEnabled: true; onClicked: scrollPanel.step(1) }
                }
                Image {
                    objectName: "linesDown"
                    width: 14
                    height: 12
                    source: downArea.containsMouse ? mainIten.sourcescrollRate6 : mainIten.sourcescrollRate5
                    MouseArea { id: downArea; anchors.fill: parent; hoverEnabled: true; onClicked: scrollPanel.step(-1) }
                }
            }
        }
        Row {
            spacing: 8
            height: 24
            Image {
                objectName: "screenOption"
                y: 5
                width: 14
                height: 14
                source: scrollPanel.option === 1 ? mainIten.sourcescrollRate1 : mainIten.sourcescrollRate0
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onClicked: scrollPanel.chooseScreen()
                }
            }
            Text {
                height: 24
                verticalAlignment: Text.AlignVCenter
                text: mainIten.mainLang[16]
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
        }
    }
}
