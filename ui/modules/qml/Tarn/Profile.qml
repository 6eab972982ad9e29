import QtQuick 2.15
import "../basic/ProfileNames.js" as ProfileNames

// The profile manager: up to six stored profiles, selected, renamed, created,
// copied, deleted, imported and exported.
Image {
    id: profilePanel
    width: 220
    height: 196
    source: mainIten.sourceProfileBG

    readonly property int kProfileList: 2
    readonly property int kMacroList: 0
    readonly property int rowHeight: 18

    property int profileNo: 0
    property int currentRow: -1
    property int editRow: -1
    property var menuTexts: [mainIten.mainLang[21], mainIten.mainLang[22], mainIten.mainLang[23],
                             mainIten.mainLang[24], mainIten.mainLang[25]]

    signal changeProfile(int tmpProfileNo)
    signal closeUI()
    // An imported profile replaced the current one: the pages send it.
    signal profileLoaded()

    ListModel { id: profiles }
    property alias profileModel: profiles

    function entries() {
        var out = []
        for (var i = 0; i < profiles.count; ++i)
            out.push({ name: profiles.get(i).name, pIndex: profiles.get(i).pIndex })
        return out
    }

    function saveNames() {
        ui_View.updataNameList(kProfileList, ProfileNames.serialise(entries()))
    }

    function rowOf(index) {
        for (var i = 0; i < profiles.count; ++i)
            if (profiles.get(i).pIndex === index)
                return i
        return -1
    }

    function init() {
        profiles.clear()
        var parsed = ProfileNames.parse(ui_View.getNameList(kProfileList))
        for (var i = 0; i < parsed.length; ++i)
            profiles.append(parsed[i])
        var changed = false
        if (profiles.count === 0) {
            profiles.append({ name: "profile_0", pIndex: profileNo })
            changed = true
        }
        if (mainIten.language === 0 && profiles.get(0).name !== "Standard") {
            profiles.setProperty(0, "name", "Standard")
            changed = true
        }
        if (changed || mainIten.language === 0)
            saveNames()
        currentRow = rowOf(profileNo)
        editRow = -1
        menu.visible = false
    }

    function select(row) {
        if (row < 0 || row >= profiles.count)
            return
        currentRow = row
        changeProfile(profiles.get(row).pIndex)
    }

    function addEntry(name, index) {
        profiles.append({ name: name, pIndex: index })
        saveNames()
        select(currentRow)
    }

    // A full list has no free index: creating would overwrite a listed profile.
    function newProfile() {
        var index = ProfileNames.freeIndex(entries())
        if (index < 0 || profiles.count >= ProfileNames.kMaxProfiles)
            return false
        ui_View.resetProfile(index)
        addEntry(ProfileNames.freeName(entries(), "profile_", ""), index)
        return true
    }

    function copyProfile() {
        if (currentRow < 0)
            return false
        var index = ProfileNames.freeIndex(entries())
        var name = ProfileNames.freeName(entries(), profiles.get(currentRow).name + "(", ")")
        if (index < 0 || name === "" || profiles.count >= ProfileNames.kMaxProfiles)
            return false
        ui_View.copyProfile(index, profiles.get(currentRow).pIndex)
        addEntry(name, index)
        return true
    }

    // Only the list entry goes; the profile's file stays. Deleting the
    // profile in use moves to the first one left.
    function deleteProfile() {
        if (profiles.count <= 1 || currentRow < 0)
            return false
        var wasCurrent = profiles.get(currentRow).pIndex === profileNo
        profiles.remove(currentRow)
        saveNames()
        currentRow = rowOf(profileNo)
        if (wasCurrent)
            select(0)
        return true
    }

    function startRename(row) {
        if (row < 0 || row >= profiles.count)
            return
        editRow = row
    }

    function rename(row, name) {
        editRow = -1
        if (row < 0 || row >= profiles.count || !ProfileNames.acceptableName(entries(), name, row))
            return false
        profiles.setProperty(row, "name", String(name))
        saveNames()
        return true
    }

    function macroNames() {
        var names = ui_View.getNameList(kMacroList)
        var list = names ? Array.prototype.slice.call(names).map(String) : []
        if (list.length === 2 && list[1] === ProfileNames.kSentinel)
            list = [list[0]]
        return list
    }

    // A loaded file re-sends the whole profile, macros included; otherwise
    // the macros of the current buttons go out again.
    function loadProfile() {
        var loaded = ui_View.loadProfile(profileNo)
        ui_View.loadProfileMacroData(profileNo)
        if (loaded) {
            profileLoaded()
        } else {
            ui_View.sendButtonMacros()
        }
        return loaded
    }

    function saveProfile() {
        ui_View.saveProfile(profileNo, macroNames())
    }

    function runMenu(entry) {
        menu.visible = false
        switch (entry) {
        case 0: deleteProfile(); break
        case 1: startRename(currentRow); break
        case 2: copyProfile(); break
        case 3: loadProfile(); break
        case 4: saveProfile(); break
        }
    }

    MouseArea {
        // Takes the clicks that fall between the controls.
        anchors.fill: parent
        onPressed: menu.visible = false
    }

    Text {
        x: 12
        y: 8
        text: mainIten.mainLang[19]
        font.bold: true
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMiddleSize
    }
    // The way to the per-application rules.
    Text {
        objectName: "profileRules"
        x: parent.width - width - 32
        y: 8
        text: appRulesDialog.texts[14]
        color: rulesArea.containsMouse ? "#ff9090" : mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
        font.underline: true
        MouseArea { id: rulesArea; anchors.fill: parent; hoverEnabled: true; onClicked: appRulesDialog.open() }
    }
    AppRulesDialog {
        id: appRulesDialog
        objectName: "appRulesDialog"
        parent: mainIten
    }
    Image {
        objectName: "profileClose"
        x: parent.width - width - 8
        y: 8
        width: 15
        height: 15
        source: mainIten.sourceprofileCloseBtn
        MouseArea { anchors.fill: parent; onClicked: profilePanel.closeUI() }
    }

    ListView {
        id: list
        objectName: "profileList"
        x: 10
        y: 34
        width: parent.width - 20
        height: Math.min(count * profilePanel.rowHeight, 544, 6 * profilePanel.rowHeight)
        interactive: false
        clip: true
        model: profiles
        delegate: Rectangle {
            width: list.width
            height: profilePanel.rowHeight
            color: index === profilePanel.currentRow ? "#b03b3b" : (rowArea.containsMouse ? "#999999" : "transparent")
            Text {
                x: 6
                visible: profilePanel.editRow !== index
                anchors.verticalCenter: parent.verticalCenter
                text: model.name
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
            MouseArea {
                id: rowArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: {
                    profilePanel.select(index)
                    if (mouse.button === Qt.RightButton) {
                        var p = mapToItem(profilePanel, mouse.x, mouse.y)
                        menu.x = Math.min(p.x, profilePanel.width - menu.width)
                        menu.y = p.y
                        menu.visible = true
                    } else {
                        menu.visible = false
                    }
                }
                onDoubleClicked: profilePanel.startRename(index)
            }
            TextInput {
                id: editor
                x: 6
                width: parent.width - 12
                anchors.verticalCenter: parent.verticalCenter
                visible: profilePanel.editRow === index
                text: model.name
                maximumLength: 24
                color: mainIten.fontColor
                selectByMouse: true
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
                onVisibleChanged: {
                    if (visible) {
                        text = model.name
                        forceActiveFocus()
                        selectAll()
                    }
                }
                onAccepted: profilePanel.rename(index, text)
                onActiveFocusChanged: {
                    if (!activeFocus && profilePanel.editRow === index)
                        profilePanel.rename(index, text)
                }
            }
        }
    }

    Row {
        x: 10
        y: parent.height - 32
        spacing: 10
        Image {
            objectName: "profileNew"
            width: 70
            height: 22
            source: mainIten.sourceProfileNewBtn
            opacity: profiles.count < 6 ? 1 : 0.4
            Text {
                anchors.centerIn: parent
                text: mainIten.mainLang[20]
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
            MouseArea { anchors.fill: parent; onClicked: profilePanel.newProfile() }
        }
        Image {
            objectName: "profileDelete"
            width: 70
            height: 22
            source: profiles.count > 1 ? mainIten.sourceProfileDeleteBtn : mainIten.sourceProfileDeleteBtn0
            Text {
                anchors.centerIn: parent
                text: mainIten.mainLang[21]
                color: profiles.count > 1 ? mainIten.fontColor : "#808080"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
            MouseArea { anchors.fill: parent; onClicked: profilePanel.deleteProfile() }
        }
    }

    Rectangle {
        id: menu
        objectName: "profileMenu"
        visible: false
        width: 159
        height: 105
        z: 5
        color: "#6f2929"
        border.color: "#8f2020"
        Column {
            x: 0
            y: 0
            Repeater {
                model: 5
                Rectangle {
                    width: 159
                    height: 21
                    color: entryArea.containsMouse ? "#8f2020" : "transparent"
                    Text {
                        x: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: profilePanel.menuTexts[index]
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontNormalSize
                    }
                    MouseArea {
                        id: entryArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: profilePanel.runMenu(index)
                    }
                }
            }
        }
    }
}
