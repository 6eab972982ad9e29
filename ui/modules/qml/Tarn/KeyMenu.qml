import QtQuick 2.15
import "KeyMenuData.js" as Menu

// The assignment menu that opens beside a button row. A chosen code leaves
// as menuCmd; the root page applies it to the selected button.
Item {
    id: keyMenu
    width: menuColumn.width
    height: menuColumn.height
    visible: false

    property var keyMenuLang: Menu.english
    property string openSubmenu: Menu.SUB_NONE
    readonly property int entryWidth: 170
    readonly property int entryHeight: 21

    signal menuCmd(string menuStr)

    function init() {
        openSubmenu = Menu.SUB_NONE
    }

    function showControl() {
        openSubmenu = Menu.SUB_NONE
        visible = true
    }

    function entryText(e) {
        return e.text !== undefined ? e.text : keyMenuLang[e.label]
    }

    function selectedKey() {
        return typeof mouseMain !== "undefined" ? mouseMain.selectKey : -1
    }

    function openDialog(dialog) {
        visible = false
        openSubmenu = Menu.SUB_NONE
        if (typeof mainMask !== "undefined")
            mainMask.visible = true
        dialog.showUI()
    }

    // Eight hex digits of a definition, as the menu's codes are written.
    function hexOf(definition) {
        var text = ""
        for (var i = 0; i < definition.length; ++i)
            text += ((definition[i] & 0xFF) < 0x10 ? "0" : "") + (definition[i] & 0xFF).toString(16)
        return text
    }

    function choose(e) {
        if (e.action === "code") {
            menuCmd(e.code)
        } else if (e.action === Menu.DEFAULT_OF_SELECTED) {
            var key = selectedKey()
            if (key >= 0)
                menuCmd(hexOf(ui_View.factoryButton(key)))
        } else if (e.action === Menu.OPEN_SINGLE_KEY) {
            if (typeof singleKeyMain !== "undefined")
                openDialog(singleKeyMain)
        } else if (e.action === Menu.OPEN_MACRO) {
            if (typeof macroKeyMain !== "undefined")
                openDialog(macroKeyMain)
        } else if (e.action === Menu.OPEN_SUBMENU) {
            openSubmenu = e.code
        }
    }

    function hover(e) {
        var next = Menu.submenuOnHover(e)
        if (next !== undefined)
            openSubmenu = next
    }

    component MenuEntry: Rectangle {
        property var entry
        width: keyMenu.entryWidth
        height: entry.hidden ? 0 : keyMenu.entryHeight
        visible: !entry.hidden
        color: area.containsMouse ? "#8f2020" : "#6f2929"
        Text {
            anchors.fill: parent
            anchors.leftMargin: 8
            verticalAlignment: Text.AlignVCenter
            text: keyMenu.entryText(parent.entry)
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            onEntered: keyMenu.hover(parent.entry)
            onClicked: keyMenu.choose(parent.entry)
        }
    }

    Rectangle {
        width: menuColumn.width + 2
        height: menuColumn.height + 2
        x: -1
        y: -1
        color: "#8f2020"
    }

    Column {
        id: menuColumn
        Repeater {
            model: Menu.mainEntries
            MenuEntry { entry: modelData }
        }
    }

    Column {
        id: submenuColumn
        x: keyMenu.entryWidth + 2
        visible: keyMenu.openSubmenu !== Menu.SUB_NONE
        Repeater {
            model: keyMenu.openSubmenu === Menu.SUB_GUN ? Menu.gunEntries
                   : (keyMenu.openSubmenu === Menu.SUB_NONE ? [] : Menu.submenus[keyMenu.openSubmenu])
            MenuEntry { entry: modelData }
        }
    }
}
