#pragma once
// The view that hosts the pages and is their back end: the pages call these
// public slots by name (as "ui_View"); each slot hands over to a store class.
// The back end calls back into the root page through the invoke helpers.
// Slots are declared in the order the pages' meta-object table keeps.

#include <QObject>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>

class GunLibrary;
class Hid_Thread;
class LanguageStrings;
struct ProfileStores;
class SettingsFiles;

extern const char kRootPage[];  // "qrc:modules/qml/main"

class myQQuickView : public QQuickWidget
{
    Q_OBJECT
public:
    // Opens the settings files under `settingDir` (the installed tree unless
    // a test says otherwise) and keeps them for the life of the view. The
    // macro folder and the gun file are the setting folder's siblings
    // ("../macro/", "../gun/gunData.bin").
    explicit myQQuickView(QWidget *parent = nullptr);
    myQQuickView(const QString &settingDir, const QString &languageDir, QWidget *parent = nullptr);
    ~myQQuickView() override;

    void setDevice(Hid_Thread *hid);
    Hid_Thread *device() const { return m_hid; }
    SettingsFiles &settings() const { return *m_files; }
    bool is4090() const;

    // Calls into the root page, queued: key and button changes captured
    // anywhere on the desktop.
    void forwardKeyboard(bool isDown, int usbCode);
    void forwardMouse(bool isDown, unsigned buttonCode, unsigned x, unsigned y);

    // The file dialogs of profile import and export: given the parent,
    // caption, start folder and filter, they return the chosen path or an
    // empty string when the user cancels. The toolkit's dialogs by default.
    using FileDialog = std::function<QString(QWidget *parent, const QString &caption, const QString &folder,
                                             const QString &filter)>;
    void setFileDialogs(FileDialog open, FileDialog save);

signals:
    // Something the user must be told (a missing update program, ...).
    void userNotice(const QString &text);

public slots:
    void initUI(uchar sensorIndex);
    void runUI();
    QVariant getLang();
    QVariant getProfile();
    void setProfile(QVariant profileNo);
    void clearHidBusy();
    bool loadProfile(int profile);
    bool loadProfileMacroData(int profile);
    void saveProfile(int profile, QStringList nameList);
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);
    QStringList getGlobalStrings(QVariant type, QString langCode);
    QVariant createMacroIni(QVariant name, QVariant macroIndex);
    QVariant updataNameList(QVariant type, QStringList nameList);
    QVariant modifyMacroName(QVariant oldname, QVariant newname);
    QStringList isMacroUse(QVariant macroName);
    QVariant deleteMacroIni(QVariant name);
    QVariantList getNameList(QVariant type);
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariantList macroData, QVariant repeat);
    QStringList loadMacroIni(QVariant name);
    QVariant loadMacroType(QVariant name);
    QVariant loadMacroIndex(QVariant name);
    void setMacroIndex(QVariant name, QVariant macroIndex);
    QVariantList getKeydefine(QVariant matrixId);
    void changeMacroFileIndex(QVariant macroIndex);
    void saveGundata(QVariantList src6);
    void modifyGundata(QVariant modifyType, QVariantList src6);
    QVariantList getGunData(QVariant name);
    QVariant getXYSensitive(QVariant index);
    QVariant getselectGun(QVariant index);
    void setXYSensitive(QVariant index, QVariant xyData);
    void setSelectGun(QVariant index, QVariant xyData);
    void setMacroKey(int index, QVariant macroName);
    QVariant getMacroKey(int index);
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetCurrentProfile(int profile);
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4);
    void ui_0EH_SetXYSensitive(QVariant par0, QVariant par1);
    QVariant ui_81H_GetReportRate();
    QVariantList ui_83H_GetKeyboardoption();
    void setAcceleration(bool acceleration);
    void setCursorSpeed(uint cursorSpeed);
    void setVerticalScrollLines(uint lines);
    void setDoubleClickSpeed(uint speed);
    void ui_06H_SetRGBLedEffect(uchar effect, uchar tmpcolor, uchar tmpSpeedBrightness, QVariantList configs);
    void ui_10H_SetLED8StageColor(uchar type, QVariantList src24);
    void ui_LEDColor(QVariantList src24);
    void ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex, QVariantList dpiSelectArray);
    void ui_11H_SetDPISelect(QVariantList valueForIndex);
    void mouseSetKeyMatrix(QVariantList src);
    void ui_12H_SetGunKeyMatrix(QVariantList src64);
    // A chosen gun: its firing pattern, then the key matrix that fires it.
    void sendGunPattern(int times, int x, int y);
    void sendGunMatrix(int period, int times);
    bool getAcceleration();
    uint getCursorSpeed();
    uint getVerticalScrollLines();
    uint getDoubleClickSpeed();
    QVariant ui_8BH_GetCurrentDPIStage();
    QVariantList ui_8DH_GetRGBLedEffect();
    QVariantList ui_90H_GetLED8StageColor(uchar type);
    void openUpdateExe();
    QVariantList ui_91H_GetDPISet();
    QVariantList ui_91H_GetDPISelect();

    // Sending through store/wire/ (myQQuickView_wire.cpp).
    bool chooseProfile(int profile);
    void sendProfile();
    void resetProfileAndSend(int profile);
    void sendButtonMacros();
    void sendMacro(int slot, QVariant name);
    // The current profile's values as the mouse gets them (factory values
    // where the file holds none that can be read): buttons (16 shown
    // definitions), dpi, stageFlags, stageColours ("#rrggbb"), effect,
    // level, colour [r, g, b], reportRate, axisX, axisY.
    QVariantMap profileValues();
    int macroSize(QStringList events, QVariant loops);
    int macroSizeEstimate(QStringList events);
    void setButtons(QVariantList shown);
    QVariantList factoryButton(int position);
    QVariantList buttonFunction(QVariantList definition);
    bool canReassignButton(QVariantList shown, int index);
    void sendLightingColour(int effect, int level, int r, int g, int b);
    void setStageColours(QStringList colours);
    void sendAxisLevels(int x, int y);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void invokePage(const char *function, Qt::ConnectionType type, const QVariantList &arguments = {});

    Hid_Thread *m_hid = nullptr;
    SettingsFiles *m_files = nullptr;  // child of the view
    std::unique_ptr<ProfileStores> m_stores;  // over m_files
    std::unique_ptr<LanguageStrings> m_language;
    std::unique_ptr<GunLibrary> m_guns;
    FileDialog m_openDialog;
    FileDialog m_saveDialog;
};
