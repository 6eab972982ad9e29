import QtQuick 2.15
import "GunFields.js" as Gun
import "MacroList.js" as Names
import "Skin.js" as Skin

// The "Gun Manager" window: the gun list and the fields of the chosen gun.
// Field edits stay in the list until OK saves every gun; create, rename and
// delete are written at once.
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
    property int currentGun: -1
    property alias gunModel: gunModel
    readonly property var current: currentGun >= 0 && currentGun < gunModel.count ? gunModel.get(currentGun) : null

    ListModel { id: gunModel }

    function gunNames() {
        var names = []
        for (var i = 0; i < gunModel.count; ++i)
            names.push(gunModel.get(i).gunName)
        return names
    }

    function storeNames() {
        ui_View.updataNameList(1, gunNames())
    }

    function init() {
        gunModel.clear()
        currentGun = -1
        var names = Names.dropSentinel(ui_View.getNameList(1))
        for (var i = 0; i < names.length; ++i) {
            var gun = { gunName: names[i], gunKey: Gun.TRIGGER_KEY, gunPeriod: Gun.DEFAULT_INTERVAL,
                        gunX: 0, gunY: 0, gunTimes: 0 }
            var stored = ui_View.getGunData(names[i])
            if (stored.length >= 5) {
                gun.gunKey = String(stored[0])
                gun.gunPeriod = Gun.interval(stored[1])
                gun.gunX = Gun.deviation(stored[2])
                gun.gunY = Gun.deviation(stored[3])
                gun.gunTimes = Gun.runTimes(stored[4])
            }
            gunModel.append(gun)
        }
        selectGunName = String(ui_View.getselectGun(0))
    }

    function selectGun(position) {
        if (position >= 0 && position < gunModel.count)
            currentGun = position
    }

    function setField(role, value) {
        if (currentGun >= 0)
            gunModel.setProperty(currentGun, role, value)
    }

    function record(g) {
        return [g.gunName, g.gunKey, g.gunPeriod, g.gunX, g.gunY, g.gunTimes]
    }

    function newGun() {
        var name = Names.firstFreeName("Gun", gunNames(), Gun.NAME_NUMBERS)
        if (name === "")
            return ""
        gunModel.append({ gunName: name, gunKey: Gun.TRIGGER_KEY, gunPeriod: Gun.DEFAULT_INTERVAL,
                          gunX: 0, gunY: Gun.NEW_GUN_Y, gunTimes: 0 })
        ui_View.saveGundata([name, Gun.TRIGGER_KEY, Gun.DEFAULT_INTERVAL, 0, 0, 0])
        storeNames()
        selectGun(gunModel.count - 1)
        return name
    }

    function renameGun(position, newName) {
        var g = gunModel.get(position)
        var oldName = g.gunName
        if (newName === oldName || !Names.isAcceptableName(newName, gunNames(), position))
            return false
        ui_View.modifyGundata(1, [newName, g.gunKey, g.gunPeriod, g.gunX, g.gunY, g.gunTimes, oldName])
        gunModel.setProperty(position, "gunName", newName)
        storeNames()
        return true
    }

    function deleteGun() {
        if (currentGun < 0 || currentGun >= gunModel.count)
            return
        ui_View.modifyGundata(0, [gunModel.get(currentGun).gunName])
        gunModel.remove(currentGun)
        currentGun = Math.min(currentGun, gunModel.count - 1)
        storeNames()
    }

    function sendGun(g) {
        ui_View.setSelectGun(0, g.gunName)
        selectGunName = g.gunName
        ui_View.sendGunPattern(g.gunTimes, g.gunX, g.gunY)
        if (typeof keyMatrixMain !== "undefined")
            keyMatrixMain.refreashUI()
        ui_View.sendGunMatrix(g.gunPeriod, g.gunTimes)
    }

    function hideUI() {
        visible = false
        if (typeof mainMask !== "undefined")
            mainMask.visible = false
    }

    function accept() {
        hideUI()
        for (var i = 0; i < gunModel.count; ++i)
            ui_View.saveGundata(record(gunModel.get(i)))
        if (isSendData && current) {
            isSendData = false
            sendGun(current)
        }
    }

    // For the inline components, which do not see this file's script imports.
    function skin(file) {
        return Skin.image("gun", file, mainIten.skin_No)
    }

    function gunControlFocus() {
        forceActiveFocus()
    }

    function showUI() {
        centre()
        visible = true
        gunControlFocus()
    }

    onCloseBox: hideUI()

    component Label: Text {
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    component Choice: Item {
        property bool checked: false
        property bool radio: false
        width: 14
        height: 14
        Rectangle {
            anchors.fill: parent
            radius: parent.radio ? 7 : 0
            color: "#1c1c1c"
            border.color: "#c0c0c0"
        }
        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: parent.radio ? 3 : 0
            color: "#c0c0c0"
            visible: parent.checked
        }
        Image {
            anchors.fill: parent
            source: gunControl.skin(parent.checked ? "radioS" : "radio")
        }
    }

    component NumberField: Rectangle {
        id: numberField
        property string value: ""
        property alias validator: input.validator
        property bool editable: true
        signal committed(string text)
        width: 60
        height: 22
        color: editable ? "#1c1c1c" : "#333333"
        border.color: "#4e3434"
        TextInput {
            id: input
            anchors.fill: parent
            anchors.margins: 4
            enabled: numberField.editable && gunControl.current !== null
            text: numberField.value
            color: mainIten.fontColor
            font.pixelSize: mainIten.fontNormalSize
            // A validator holds back editingFinished for "" and "-", which
            // still have to become their defaults when the field is left.
            function commit() {
                numberField.committed(text)
                text = Qt.binding(function () { return numberField.value })
            }
            onAccepted: commit()
            onActiveFocusChanged: if (!activeFocus) commit()
        }
    }

    Label { x: 15; y: 10; text: gunControl.gunControlLang[1] }
    Rectangle {
        x: 15
        y: 30
        width: 160
        height: 230
        color: "#1c1c1c"
        border.color: "#4e3434"
        ListView {
            id: gunView
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            model: gunModel
            delegate: Rectangle {
                width: gunView.width
                height: 18
                color: index === gunControl.currentGun ? "#761212" : "transparent"
                Label { x: 6; anchors.verticalCenter: parent.verticalCenter; text: gunName; visible: !nameEdit.visible }
                TextInput {
                    id: nameEdit
                    x: 6
                    width: parent.width - 8
                    anchors.verticalCenter: parent.verticalCenter
                    visible: false
                    color: mainIten.fontColor
                    font.pixelSize: mainIten.fontNormalSize
                    function commit() {
                        if (!visible)
                            return
                        visible = false
                        gunControl.renameGun(index, text)
                    }
                    onAccepted: commit()
                    onActiveFocusChanged: if (!activeFocus) commit()
                }
                MouseArea {
                    anchors.fill: parent
                    enabled: !nameEdit.visible
                    onClicked: gunControl.selectGun(index)
                    onDoubleClicked: {
                        nameEdit.text = gunName
                        nameEdit.visible = true
                        nameEdit.forceActiveFocus()
                        nameEdit.selectAll()
                    }
                }
            }
        }
    }
    Row {
        x: 15
        y: 270
        spacing: 4
        DialogButton { width: 78; text: gunControl.gunControlLang[8]; onClicked: gunControl.newGun() }
        DialogButton { width: 78; text: gunControl.gunControlLang[9]; onClicked: gunControl.deleteGun() }
    }

    Label { x: 200; y: 10; text: gunControl.gunControlLang[2] }
    Grid {
        x: 200
        y: 36
        columns: 3
        rowSpacing: 12
        columnSpacing: 8
        verticalItemAlignment: Grid.AlignVCenter

        Choice { checked: true; enabled: false }
        Label { text: gunControl.gunControlLang[3]; width: 130 }
        Label { text: gunControl.current ? gunControl.current.gunKey : "" }

        Choice { checked: true; enabled: false }
        Label { text: gunControl.gunControlLang[4]; width: 130 }
        NumberField {
            value: gunControl.current ? String(gunControl.current.gunPeriod) : ""
            validator: IntValidator { bottom: 0; top: 255 }
            onCommitted: gunControl.setField("gunPeriod", Gun.interval(text))
        }

        Choice { checked: true; enabled: false }
        Label { text: gunControl.gunControlLang[5]; width: 130 }
        Row {
            spacing: 6
            Label { text: "X" }
            NumberField {
                value: gunControl.current ? String(gunControl.current.gunX) : ""
                validator: IntValidator { bottom: -127; top: 127 }
                onCommitted: gunControl.setField("gunX", Gun.deviation(text))
            }
            Label { text: "Y" }
            NumberField {
                value: gunControl.current ? String(gunControl.current.gunY) : ""
                validator: IntValidator { bottom: -127; top: 127 }
                onCommitted: gunControl.setField("gunY", Gun.deviation(text))
            }
        }

        Choice {
            radio: true
            checked: gunControl.current !== null && gunControl.current.gunTimes > 0
            MouseArea { anchors.fill: parent; onClicked: gunControl.setField("gunTimes", 1) }
        }
        Label { text: gunControl.gunControlLang[6]; width: 130 }
        NumberField {
            editable: gunControl.current !== null && gunControl.current.gunTimes > 0
            value: gunControl.current ? String(gunControl.current.gunTimes) : ""
            validator: IntValidator { bottom: 0; top: 255 }
            onCommitted: gunControl.setField("gunTimes", Gun.runTimes(text))
        }

        Choice {
            radio: true
            checked: gunControl.current !== null && gunControl.current.gunTimes === 0
            MouseArea { anchors.fill: parent; onClicked: gunControl.setField("gunTimes", 0) }
        }
        Label { text: gunControl.gunControlLang[7]; width: 130 }
        Item { width: 1; height: 1 }
    }

    Row {
        x: 310
        y: 300
        spacing: 12
        DialogButton { text: gunControl.gunControlLang[10]; onClicked: gunControl.accept() }
        DialogButton { text: gunControl.gunControlLang[11]; onClicked: gunControl.hideUI() }
    }
}
