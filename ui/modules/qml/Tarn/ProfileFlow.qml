import QtQuick 2.15

// What the root page does when the profile changes: a switch in the profile
// manager, an import, a factory reset. The view sends the profile; the
// panels then show what it sent.
QtObject {
    readonly property int kProtectReset: 1000
    readonly property int kProtectProfile: 1200
    property bool profileChanged: false

    // The panels of a profile show the current profile's values.
    function initProfilePanels() {
        keyMatrixMain.init()
        xySettingMain.init()
        dpiSettingMain.init()
        lightControlMain.init()
        reprotRateMain.init()
        mouseRateMain.init()
        doubleRateMain.init()
        scrollRateMain.init()
    }

    function changeProfile(tmpProfileNo) {
        if (tmpProfileNo === profileMain.profileNo)
            return
        profileMain.profileNo = tmpProfileNo
        ui_View.chooseProfile(tmpProfileNo)
        profileChanged = true
        initProfilePanels()
    }

    // The new profile goes to the mouse once the user is done choosing.
    function sendChangedProfile() {
        if (!profileChanged)
            return
        setProtectUI(kProtectProfile)
        profileChanged = false
        ui_View.sendProfile()
        initProfilePanels()
    }

    function showProfileManager(show) {
        profileMain.visible = show
        mainMask.visible = show
        if (!show)
            sendChangedProfile()
    }

    function profileImported() {
        setProtectUI(kProtectProfile)
        profileChanged = false
        ui_View.sendProfile()
        initProfilePanels()
        macroEditorMain.init()
    }

    function factoryReset() {
        setProtectUI(kProtectReset)
        ui_View.resetProfileAndSend(profileMain.profileNo)
        initProfilePanels()
    }
}
