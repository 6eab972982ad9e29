#include "myQQuickView.h"

#include "GunLibrary.h"
#include "KeyNames.h"
#include "LanguageStrings.h"
#include "ProfileSender.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QFileDialog>
#include <QFocusEvent>
#include <QQuickItem>

const char kRootPage[] = "qrc:modules/qml/main";

// The pages live in this static library; register them before the first load.
static void registerPages()
{
    Q_INIT_RESOURCE(pages);
}

namespace {
const char kGunDirName[] = "gun";
const char kGunDataFileName[] = "gunData.bin";

// A folder beside the setting folder, as the installed tree lays them out.
QString siblingDir(const QString &settingDir, const char *name)
{
    return QDir::cleanPath(settingDir + QLatin1String("/../") + QLatin1String(name));
}
} // namespace

myQQuickView::myQQuickView(QWidget *parent)
    : myQQuickView(QString::fromLatin1(kSettingDir), QString::fromLatin1(kLanguageDir), parent)
{
}

myQQuickView::myQQuickView(const QString &settingDir, const QString &languageDir, QWidget *parent)
    : QQuickWidget(parent)
{
    registerPages();
    keyNameTable();  // built once, before any page asks
    m_files = new SettingsFiles(settingDir, this);
    m_stores = std::make_unique<ProfileStores>(*m_files, settingDir, nullptr);
    m_language = std::make_unique<LanguageStrings>(languageDir);
    m_guns = std::make_unique<GunLibrary>(QDir(siblingDir(settingDir, kGunDirName))
                                              .filePath(QLatin1String(kGunDataFileName)));
    m_openDialog = [](QWidget *parent, const QString &caption, const QString &folder, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    };
    m_saveDialog = [](QWidget *parent, const QString &caption, const QString &folder, const QString &filter) {
        return QFileDialog::getSaveFileName(parent, caption, folder, filter);
    };
}

void myQQuickView::setFileDialogs(FileDialog open, FileDialog save)
{
    m_openDialog = std::move(open);
    m_saveDialog = std::move(save);
}

myQQuickView::~myQQuickView() = default;

void myQQuickView::setDevice(Hid_Thread *hid)
{
    m_hid = hid;
    m_stores->setDevice(hid);
}

bool myQQuickView::is4090() const
{
    return m_files->is4090();
}

void myQQuickView::invokePage(const char *function, Qt::ConnectionType type, const QVariantList &arguments)
{
    QQuickItem *root = rootObject();
    if (!root)
        return;
    QGenericArgument args[4];
    for (int i = 0; i < arguments.size() && i < 4; ++i)
        args[i] = Q_ARG(QVariant, arguments.at(i));
    QMetaObject::invokeMethod(root, function, type, args[0], args[1], args[2], args[3]);
}

void myQQuickView::forwardKeyboard(bool isDown, int usbCode)
{
    invokePage("detectKeyboard", Qt::QueuedConnection, {isDown, usbCode & 0xFF});
}

void myQQuickView::forwardMouse(bool isDown, unsigned buttonCode, unsigned x, unsigned y)
{
    invokePage("detectMouse", Qt::QueuedConnection, {isDown, buttonCode & 0xFF, x, y});
}

void myQQuickView::focusInEvent(QFocusEvent *event)
{
    repaint();
    event->accept();
}

void myQQuickView::initUI(uchar sensorIndex)
{
    m_files->setIs4090(sensorIndex != 0);
    invokePage("initUI", Qt::QueuedConnection, {m_files->is4090()});
}

void myQQuickView::runUI()
{
    invokePage("run", Qt::QueuedConnection);
}

QVariant myQQuickView::getLang()
{
    return m_files->appConfig()->value(QString::fromLatin1(kLanguageKey));
}

void myQQuickView::clearHidBusy() { m_stores->device.clearHidBusy(); }

QStringList myQQuickView::getGlobalStrings(QVariant type, QString langCode)
{
    return m_language->getGlobalStrings(type, langCode);
}

QVariantList myQQuickView::getKeydefine(QVariant matrixId) { return m_stores->device.keyDefine(matrixId); }
void myQQuickView::ui_01H_SetReportRate(uchar rate) { m_stores->device.setReportRate(rate); }

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    m_stores->device.setKeyboardOption(byte1, byte2, byte3, byte4);
}

QVariant myQQuickView::ui_81H_GetReportRate() { return m_stores->device.reportRate(); }
QVariantList myQQuickView::ui_83H_GetKeyboardoption() { return m_stores->device.keyboardOption(); }
void myQQuickView::setAcceleration(bool acceleration) { m_stores->pointer.setAcceleration(acceleration); }
void myQQuickView::setCursorSpeed(uint cursorSpeed) { m_stores->pointer.setCursorSpeed(cursorSpeed); }
void myQQuickView::setVerticalScrollLines(uint lines) { m_stores->pointer.setVerticalScrollLines(lines); }
void myQQuickView::setDoubleClickSpeed(uint speed) { m_stores->pointer.setDoubleClickSpeed(speed); }

void myQQuickView::ui_06H_SetRGBLedEffect(uchar effect, uchar tmpcolor, uchar tmpSpeedBrightness, QVariantList configs)
{
    m_stores->device.setLedEffect(effect, tmpcolor, tmpSpeedBrightness, configs);
}

void myQQuickView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24)
{
    m_stores->device.setStageColour(type, src24);
}

void myQQuickView::ui_LEDColor(QVariantList src24) { m_stores->device.setLedColour(src24); }

// src8 is part of the pages' call and carries nothing the mouse needs.
void myQQuickView::ui_11H_SetDPISet(uchar dpiStage, QVariantList, QVariantList valueForIndex, QVariantList dpiSelectArray)
{
    m_stores->device.setDpiSet(dpiStage, valueForIndex, dpiSelectArray);
}

void myQQuickView::ui_11H_SetDPISelect(QVariantList valueForIndex) { m_stores->device.setDpiSelect(valueForIndex); }
void myQQuickView::mouseSetKeyMatrix(QVariantList src) { m_stores->device.setKeyMatrix(src); }
void myQQuickView::ui_12H_SetGunKeyMatrix(QVariantList src64) { m_stores->device.setGunKeyMatrix(src64); }
bool myQQuickView::getAcceleration() { return m_stores->pointer.getAcceleration(); }
uint myQQuickView::getCursorSpeed() { return m_stores->pointer.getCursorSpeed(); }
uint myQQuickView::getVerticalScrollLines() { return m_stores->pointer.getVerticalScrollLines(); }
uint myQQuickView::getDoubleClickSpeed() { return m_stores->pointer.getDoubleClickSpeed(); }
QVariant myQQuickView::ui_8BH_GetCurrentDPIStage() { return m_stores->device.currentDpiStage(isVisible()); }
QVariantList myQQuickView::ui_8DH_GetRGBLedEffect() { return m_stores->device.ledEffect(); }
QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type) { return m_stores->device.stageColour(type); }
void myQQuickView::openUpdateExe()
{
    m_stores->device.openUpdateProgram(this, [this](const QString &text) { emit userNotice(text); });
}
QVariantList myQQuickView::ui_91H_GetDPISet() { return m_stores->device.dpiSet(); }
QVariantList myQQuickView::ui_91H_GetDPISelect() { return m_stores->device.dpiSelect(); }
