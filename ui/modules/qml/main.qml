import QtQuick 2.15
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/basic/Fonts.js" as Fonts
import "qrc:/modules/qml/Tarn"

// The root page. The back end calls initUI when a mouse connects, run after
// it, setProtectUI to hold input off while the mouse settles, and forwards
// keys and buttons captured anywhere on the desktop. Every panel and dialog
// lives here at once; they are shown and hidden, never rebuilt.
// Imports name the resource folders in full: the view loads this page as
// "qrc:modules/qml/main", against which relative folders do not resolve.
SkinImages {
    id: mainIten
    width: 1000
    height: 640
    visible: false

    property string fontFamily: Fonts.pick(Qt.fontFamilies())
    property int fontNormalSize: 12
    property int fontMaxSize: 16
    property int fontMiddleSize: 14
    property int fontMinSize: 10
    property color fontColor: "#ffffff"
    property int animation_speed: 300
    property int language: 1
    property bool isPowerOn: false
    property bool is4090: true
    property bool isScrollRateFocus: false
    property var mainLang: ["Axis Sensitivity", "x-Axis", "y-Axis", "DPI Setting", "Lighting", "Static", "Breath",
        "Neon", "Finger", "Report rate", "Mouse Speed", "Double-Click Speed", "Scroll Speed", "Slow", "Fast",
        "Number of Rows", "Scrol one Screen", "Top View", "Side View", "Profiles", "New", "Delete", "Edit", "Copy",
        "Load", "Save", "Reset", "Reset Factroy Setting", "OK", "Cancel", "Select Color", "Define Color", "", "", "",
        "RGB", "RainBow", "Horse", "Color Run", "Trailing", "Trailing1", "Streamer1", "Flash", "Police light",
        "Color Static"]

    readonly property int kProtectStart: 1000

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int vornCode, int x, int y)

    // ---- calls from the back end ----

    function initUI(sensorIndex) {
        var variantChanged = is4090 !== (sensorIndex ? true : false)
        is4090 = sensorIndex ? true : false
        if (isPowerOn) {
            if (variantChanged)
                reloadVariant()
            return
        }
        setProtectUI(kProtectStart)
        visible = true
        language = String(ui_View.getLang()) === "ChineseSimplified" ? 1 : 0
        // A start profile that is not a number starts the first profile.
        profileMain.profileNo = parseInt(ui_View.getProfile(), 10) || 0
        ui_View.ui_02H_SetCurrentProfile(profileMain.profileNo)
        if (language === 1)
            pageTexts.loadChinese()
        initPanelsAtStart()
        isPowerOn = true
    }

    function run() {
    }

    // The other sensor variant keeps its values under keys of its own: the
    // panels take them from the store, and nothing is sent.
    function reloadVariant() {
        isPowerOn = false
        profileFlow.initProfilePanels()
        isPowerOn = true
    }

    // The key-name tables, for the pages and the tests.
    function keyCodes() {
        return _KeyCodeString
    }

    function setProtectUI(interval) {
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        protectTimer.interval = interval
        protectTimer.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vornCode, x, y) {
        msg_MS(isDown, vornCode, x, y)
    }

    // ---- start and profile sequences ----

    function initPanelsAtStart() {
        macroEditorMain.init()
        gunControlMain.init()
        profileMain.init()
        keyMatrixMain.init()
        keyMenuMain.init()
        xySettingMain.init()
        dpiSettingMain.init()
        lightControlMain.init()
        reprotRateMain.init()
        mouseRateMain.init()
        doubleRateMain.init()
        scrollRateMain.init()
    }

    // ---- shared handlers ----

    function focusControl() {
        if (isScrollRateFocus)
            scrollRateMain.dropFocus()
        if (keyMenuMain.visible) {
            keyMenuMain.visible = false
            mouseMain.selectKey = -1
        }
        colorBarMain.visible = false
        askMenu.visible = false
    }

    onMsg_KB: {
        if (macroEditorMain.isInputting)
            macroEditorMain.detectKeyboard(isDown, usbCode)
        if (macroEditorMain.isInsertting)
            macroEditorMain.detectInput(isDown, usbCode)
        if (singleKeyMain.visible)
            singleKeyMain.detectKeyboard(isDown, usbCode)
    }

    // ---- the page ----

    Timer {
        id: protectTimer
        interval: 1000
        onTriggered: {
            ui_View.setEnabled(true)
            protectUIItem.setBusy(false)
            if (powerOnLogo.visible) {
                powerOnLogo.visible = false
                mainIten.showFullPage()
            }
        }
    }

    property bool fullPage: false
    function showFullPage() {
        fullPage = true
    }

    MouseArea {
        id: dragArea
        anchors.fill: parent
        property point pressPoint
        onPressed: {
            pressPoint = Qt.point(mouse.x, mouse.y)
            mainIten.focusControl()
        }
        onPositionChanged: {
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
    }

    Environment {
        id: envItem
        visible: mainIten.fullPage
    }

    Image {
        id: mainLogo
        x: 18
        y: 32
        visible: mainIten.fullPage
        source: mainIten.sourceMainLogo
    }

    Column {
        id: panelleft
        x: 18
        y: 106
        spacing: 5
        visible: mainIten.fullPage

        KeyMatrix {
            id: keyMatrixMain
            objectName: "keyMatrixMain"
            onClickKeyMatrix: keyAssign.openKeyMenu(index)
        }

        Rectangle {
            id: macroEditorBtn
            objectName: "macroEditorBtn"
            width: 242
            height: 38
            color: "#b31a1a1a"
            Text {
                anchors.centerIn: parent
                text: macroEditorMain.macroEditorLang[0]
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMiddleSize
            }
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    mainIten.focusControl()
                    macroEditorMain.showUI()
                    mainMask.visible = true
                }
            }
        }

        // The gun manager's button: kept in the column, never shown.
        Rectangle {
            id: gunControlBtn
            width: 242
            height: 38
            color: "#b31a1a1a"
            visible: false
        }

        XySetting {
            id: xySettingMain
            objectName: "xySettingMain"
        }
    }

    Image {
        id: profileBtn
        objectName: "profileBtn"
        x: 20
        y: mainIten.height - 6 - height
        width: 120
        height: 28
        visible: mainIten.fullPage
        source: profileMain.visible ? mainIten.sourceprofileStartBtnS
                                    : (profileBtnArea.containsMouse ? mainIten.sourceprofileStartBtnH
                                                                    : mainIten.sourceprofileStartBtn)
        Text {
            anchors.centerIn: parent
            text: mainIten.mainLang[19]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        MouseArea {
            id: profileBtnArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                mainIten.focusControl()
                profileFlow.showProfileManager(!profileMain.visible)
            }
        }
    }

    Image {
        id: flickableBar
        x: mainIten.width - 9 - width
        y: 32
        width: 8
        height: Math.min(rightFlick.contentHeight, 563)
        visible: mainIten.fullPage
        source: mainIten.sourceFlickableBar

        ColumnScrollBar {
            objectName: "rightScrollBar"
            flickable: rightFlick
        }
    }

    Item {
        id: panelRightItem
        x: 734
        y: 32
        width: mainIten.width - 9 - x
        height: rightFlick.height
        visible: mainIten.fullPage

        Flickable {
            id: rightFlick
            objectName: "rightColumn"
            width: 242
            height: Math.min(563, contentHeight)
            contentWidth: 242
            contentHeight: rightPanels.height
            boundsBehavior: Flickable.StopAtBounds
            clip: true

            Column {
                id: rightPanels
                spacing: 5

                DpiSetting {
                    id: dpiSettingMain
                    objectName: "dpiSettingMain"
                    onDpiValueChange: deviceSends.sendDpi(hid.hid_87H_GetCurrentDPI())
                    onDpiSelectChange: deviceSends.sendDpi(dpiIndex === deviceSends.kAllStagesSignal
                                                           ? deviceSends.kStageOnSendAll : hid.hid_87H_GetCurrentDPI())
                    onOpenColorBar: colorBarMain.open(dpiSelect, dpiColor)
                    onDpiColorChange: deviceSends.sendStageColours()
                }
                LightControl {
                    id: lightControlMain
                    objectName: "lightControlMain"
                    onSetLED: deviceSends.sendLed(tmpEffect, tmpColor, tmpSpeedBrightness)
                    onSetColor: deviceSends.sendLedColour(colorR, colorG, colorB)
                }
                ReportRate {
                    id: reprotRateMain
                    objectName: "reprotRateMain"
                    onRateChosen: {
                        ui_View.ui_01H_SetReportRate(reportValue)
                        lightControlMain.refresh()
                    }
                }
                MouseRate {
                    id: mouseRateMain
                    objectName: "mouseRateMain"
                    onMouseRateChange: ui_View.setCursorSpeed(mouseRateValue)
                }
                DoubleRate {
                    id: doubleRateMain
                    objectName: "doubleRateMain"
                    onDoubleRateChange: ui_View.setDoubleClickSpeed(doubleRateValue)
                }
                ScrollRate {
                    id: scrollRateMain
                    objectName: "scrollRateMain"
                    onLinesChange: {
                        ui_View.setVerticalScrollLines(linesValue)
                        lines = linesValue
                    }
                }
            }

            ColourPicker {
                id: colorBarMain
                objectName: "colorBarMain"
                y: 252
                z: 10
                onColourPicked: dpiSettingMain.setColor(colour)
            }
        }
    }

    Menu_Down {
        id: downItem
        objectName: "downItem"
        x: 913
        y: 604
        visible: mainIten.fullPage
        onClicked: {
            mainIten.focusControl()
            factorysure.centre()
            factorysure.visible = true
            mainMask.visible = true
        }
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        x: 935
        y: 5
        visible: mainIten.fullPage
        onBtnClicked: {
            if (btnIndex === kMinimise)
                ui_Ctl.onMinimize()
            else if (btnIndex === kClose)
                ui_Ctl.onClose()
            else
                askMenu.visible = !askMenu.visible
        }
    }

    Mouse {
        id: mouseMain
        objectName: "mouseMain"
        visible: mainIten.fullPage
    }

    // Dims the page behind a dialog and keeps the pointer off the panels.
    PageMask {
        id: mainMask
        objectName: "mainMask"
    }

    Profile {
        id: profileMain
        objectName: "profileMain"
        x: 20
        y: mainIten.height - 6 - profileBtn.height - 6 - height
        visible: false
        onChangeProfile: profileFlow.changeProfile(tmpProfileNo)
        onCloseUI: profileFlow.showProfileManager(false)
        onProfileLoaded: profileFlow.profileImported()
    }

    MacroEditor {
        id: macroEditorMain
        objectName: "macroEditorMain"
        onDeleteMacroSignal: keyMatrixMain.deleteMacroProc(macroName)
    }

    GunControl {
        id: gunControlMain
        objectName: "gunControlMain"
    }

    KeyMenu {
        id: keyMenuMain
        objectName: "keyMenuMain"
        visible: false
        onMenuCmd: keyAssign.assignKey(menuStr)
    }

    SingleKey {
        id: singleKeyMain
        objectName: "singleKeyMain"
        onCloseSure: keyAssign.closeKeyDialog(singleKeyMain)
    }

    MacroKey {
        id: macroKeyMain
        objectName: "macroKeyMain"
        onCloseSure: keyAssign.closeKeyDialog(macroKeyMain)
    }

    FactorySure {
        id: factorysure
        objectName: "factorysure"
        onAccepted: {
            visible = false
            mainMask.visible = false
            profileFlow.factoryReset()
        }
        onRejected: {
            visible = false
            mainMask.visible = false
        }
    }

    HelpMenu {
        id: askMenu
        objectName: "askMenu"
        x: 790
        y: 24
    }

    Image {
        id: powerOnLogo
        objectName: "powerOnLogo"
        anchors.centerIn: parent
        source: mainIten.sourcePowerOn
    }

    BusyIndicator {
        id: protectUIItem
        objectName: "protectUIItem"
        anchors.centerIn: parent
        z: 99
    }

    KeyCodeString {
        id: _KeyCodeString
    }

    ProfileFlow {
        id: profileFlow
        objectName: "profileFlow"
    }

    PageTexts {
        id: pageTexts
    }

    DeviceSends {
        id: deviceSends
    }

    KeyAssign {
        id: keyAssign
    }
}
