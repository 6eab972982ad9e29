import QtQuick 2.15

// What the root page does when the profile changes: a switch in the profile
// manager, an import, a factory reset. It works on the root page's panels by
// their ids and on its protection interval.
QtObject {
    readonly property int kProtectReset: 1000
    readonly property int kProtectProfile: 1200
    property bool profileChanged: false

    // The panels of a profile, in the order a profile switch loads them.
    function initProfilePanels(isSendData) {
        keyMatrixMain.init(isSendData)
        xySettingMain.init(isSendData)
        dpiSettingMain.init(isSendData)
        lightControlMain.init(isSendData)
        reprotRateMain.init(isSendData)
        mouseRateMain.init(isSendData)
        doubleRateMain.init(isSendData)
        scrollRateMain.init(isSendData)
    }

    function changeProfile(tmpProfileNo) {
        if (tmpProfileNo === profileMain.profileNo)
            return
        profileMain.profileNo = tmpProfileNo
        ui_View.ui_02H_SetCurrentProfile(tmpProfileNo)
        profileChanged = true
        initProfilePanels(false)
    }

    // The new profile goes to the mouse once the user is done choosing.
    function sendChangedProfile() {
        if (!profileChanged)
            return
        setProtectUI(kProtectProfile)
        profileChanged = false
        initProfilePanels(true)
        lightControlMain.refresh()
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
        initProfilePanels(true)
        lightControlMain.refresh()
        macroEditorMain.init()
    }

    function factoryReset() {
        setProtectUI(kProtectReset)
        ui_View.resetProfile(profileMain.profileNo)
        keyMatrixMain.init(true)
        lightControlMain.init(true)
        xySettingMain.init(true)
        dpiSettingMain.init(true)
        reprotRateMain.init(true)
        mouseRateMain.init(true)
        doubleRateMain.init(true)
        scrollRateMain.init(true)
        lightControlMain.refresh()
    }
}
