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

#include <memory>

class DeviceSettings;
class Hid_Thread;
class LanguageStrings;
class PointerSettingsStore;
class SettingsFiles;

extern const char kRootPage[];  // "qrc:modules/qml/main"

class myQQuickView : public QQuickWidget
{
    Q_OBJECT
public:
    // Opens the settings files under `settingDir` (the installed tree unless
    // a test says otherwise) and keeps them for the life of the view.
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

public slots:
    void initUI(uchar sensorIndex);
    void runUI();
    QVariant getLang();
    void clearHidBusy();
    QStringList getGlobalStrings(QVariant type, QString langCode);
    QVariantList getKeydefine(QVariant matrixId);
    void ui_01H_SetReportRate(uchar rate);
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
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

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void invokePage(const char *function, Qt::ConnectionType type, const QVariantList &arguments = {});

    Hid_Thread *m_hid = nullptr;
    SettingsFiles *m_files = nullptr;  // child of the view
    std::unique_ptr<DeviceSettings> m_deviceSettings;
    std::unique_ptr<PointerSettingsStore> m_pointer;
    std::unique_ptr<LanguageStrings> m_language;
};
