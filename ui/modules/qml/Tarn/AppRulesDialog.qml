import QtQuick 2.15

// The per-application rules: on or off, the rules in the order they are
// tried, the profile for other applications, and the status of the watcher.
// The back end ("appRules") keeps the file; this dialog edits a copy and
// writes it on Save.
DialogFrame {
    id: rulesDialog
    width: 640
    height: 480
    z: 20
    title: texts[0]

    property var texts: ["Application rules", "Switch profiles by the application in front", "Application",
        "Title (text or /regex/)", "Profile", "Add", "Remove", "Up", "Down", "Add the application in front",
        "Other applications (0: leave as is)", "Save", "Close", "The rules file is damaged: correct it by hand.",
        "Rules", "Saved"]
    property bool rulesOn: false
    property bool damaged: false
    property int currentRow: -1
    property string notice: ""

    ListModel { id: rules }
    property alias ruleModel: rules

    function available() {
        return typeof appRules !== "undefined"
    }

    // The language file's texts replace the built-in English ones.
    function loadTexts() {
        if (!available() || mainIten.language !== 1)
            return
        var zh = appRules.chineseTexts()
        var out = texts.slice()
        for (var i = 0; i < zh.length && i < out.length; ++i)
            if (zh[i] !== "")
                out[i] = zh[i]
        texts = out
    }

    Connections {
        target: mainIten
        function onLanguageChanged() { rulesDialog.loadTexts() }
    }

    function open() {
        if (!available())
            return
        loadTexts()
        var file = appRules.load()
        rulesOn = file.enabled
        damaged = file.damaged
        otherInput.text = file.otherApps
        rules.clear()
        for (var r = 0; r < file.rules.length; ++r)
            rules.append(file.rules[r])
        currentRow = rules.count > 0 ? 0 : -1
        notice = ""
        seenMenu.visible = false
        centre()
        visible = true
    }

    function addRule(app) {
        rules.append({ app: app, title: "", profile: String(profileMain.profileNo + 1) })
        currentRow = rules.count - 1
    }

    function move(step) {
        var to = currentRow + step
        if (currentRow < 0 || to < 0 || to >= rules.count)
            return
        rules.move(currentRow, to, 1)
        currentRow = to
    }

    function save() {
        var list = []
        for (var i = 0; i < rules.count; ++i)
            list.push({ app: rules.get(i).app, title: rules.get(i).title, profile: rules.get(i).profile })
        var error = appRules.save({ enabled: rulesOn, otherApps: otherInput.text, rules: list }, mainIten.language === 1)
        notice = error === "" ? texts[15] : error
    }

    onCloseBox: visible = false

    Column {
        x: 16
        y: 10
        spacing: 8
        width: rulesDialog.width - 32

        Row {
            spacing: 10
            Rectangle {
                objectName: "rulesSwitch"
                width: 36
                height: 18
                radius: 9
                color: rulesDialog.rulesOn ? "#b03b3b" : "#555555"
                Rectangle {
                    width: 14; height: 14; radius: 7; y: 2
                    x: rulesDialog.rulesOn ? parent.width - width - 2 : 2
                    color: "#ffffff"
                }
                MouseArea { anchors.fill: parent; onClicked: rulesDialog.rulesOn = !rulesDialog.rulesOn }
            }
            RuleText { text: rulesDialog.texts[1] }
        }

        Row {
            spacing: 4
            RuleText { width: 180; text: rulesDialog.texts[2]; font.bold: true }
            RuleText { width: 260; text: rulesDialog.texts[3]; font.bold: true }
            RuleText { width: 150; text: rulesDialog.texts[4]; font.bold: true }
        }

        Rectangle {
            width: parent.width
            height: 200
            color: "#1e1e1e"
            border.color: "#4e3434"
            ListView {
                id: list
                objectName: "rulesList"
                anchors.fill: parent
                anchors.margins: 2
                clip: true
                model: rules
                delegate: Rectangle {
                    width: list.width
                    height: 24
                    color: index === rulesDialog.currentRow ? "#5a2020" : "transparent"
                    MouseArea { anchors.fill: parent; onClicked: rulesDialog.currentRow = index }
                    Row {
                        spacing: 4
                        anchors.verticalCenter: parent.verticalCenter
                        RuleField { width: 176; text: model.app; onEdited: rules.setProperty(index, "app", value)
                                    onPicked: rulesDialog.currentRow = index }
                        RuleField { width: 256; text: model.title; onEdited: rules.setProperty(index, "title", value)
                                    onPicked: rulesDialog.currentRow = index }
                        RuleField { width: 146; text: model.profile; onEdited: rules.setProperty(index, "profile", value)
                                    onPicked: rulesDialog.currentRow = index }
                    }
                }
            }
        }

        Row {
            spacing: 8
            DialogButton { width: 70; text: rulesDialog.texts[5]; onClicked: rulesDialog.addRule("") }
            DialogButton {
                width: 70
                text: rulesDialog.texts[6]
                enabled: rulesDialog.currentRow >= 0
                onClicked: {
                    rules.remove(rulesDialog.currentRow)
                    rulesDialog.currentRow = Math.min(rulesDialog.currentRow, rules.count - 1)
                }
            }
            DialogButton { width: 70; text: rulesDialog.texts[7]; onClicked: rulesDialog.move(-1) }
            DialogButton { width: 70; text: rulesDialog.texts[8]; onClicked: rulesDialog.move(1) }
            DialogButton {
                id: seenButton
                width: 220
                text: rulesDialog.texts[9]
                onClicked: {
                    seenModel.clear()
                    var apps = rulesDialog.available() ? appRules.seenApps() : []
                    for (var i = 0; i < apps.length; ++i)
                        seenModel.append({ app: apps[i] })
                    seenMenu.visible = seenModel.count > 0 && !seenMenu.visible
                }
            }
        }

        Row {
            spacing: 10
            RuleText { text: rulesDialog.texts[10] }
            RuleField { id: otherInput; width: 146 }
        }

        RuleText {
            objectName: "rulesStatus"
            width: parent.width
            wrapMode: Text.Wrap
            // Above the buttons, however long the file's notes are.
            maximumLineCount: 5
            elide: Text.ElideRight
            color: rulesDialog.damaged ? "#ff8080" : "#c0c0c0"
            text: (rulesDialog.damaged ? rulesDialog.texts[13] + "\n" : "")
                  + (rulesDialog.available() && rulesDialog.visible ? appRules.status(mainIten.language === 1) : "")
                  + (rulesDialog.notice !== "" ? "\n" + rulesDialog.notice : "")
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 12
        spacing: 10
        DialogButton { text: rulesDialog.texts[11]; enabled: !rulesDialog.damaged; onClicked: rulesDialog.save() }
        DialogButton { text: rulesDialog.texts[12]; onClicked: rulesDialog.visible = false }
    }

    // The applications seen in front since the start, offered as new rules.
    Rectangle {
        id: seenMenu
        objectName: "rulesSeenMenu"
        visible: false
        x: 16 + 4 * 78
        y: 300
        width: 220
        height: Math.min(seenModel.count, 6) * 22 + 4
        color: "#444549"
        border.color: "#646464"
        ListModel { id: seenModel }
        ListView {
            anchors.fill: parent
            anchors.margins: 2
            clip: true
            model: seenModel
            delegate: Rectangle {
                width: parent ? parent.width : 0
                height: 22
                color: seenArea.containsMouse ? "#66ffffff" : "transparent"
                RuleText { x: 6; anchors.verticalCenter: parent.verticalCenter; text: model.app }
                MouseArea {
                    id: seenArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        seenMenu.visible = false
                        rulesDialog.addRule(model.app)
                    }
                }
            }
        }
    }
}
