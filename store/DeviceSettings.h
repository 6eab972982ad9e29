#pragma once
// Device settings as the pages change them: each setter keeps the page's
// values in the current profile and then sends them, encoded, to the mouse;
// the getters read the profile (two of them ask the mouse). The send calls
// only send: a whole profile goes out without rewriting its file.

#include <QObject>
#include <QVariant>
#include <QVariantList>

#include <functional>

class Hid_Thread;
class SettingsFiles;

// Relative to the executable's folder.
extern const char kUpdateProgram3336[];  // "./update/3336.exe" on Windows, "./update/3336" elsewhere
extern const char kUpdateProgram4090[];

class DeviceSettings
{
public:
    // `device` may be null until the main window hands it over; commands are
    // then skipped (the values are still stored).
    DeviceSettings(SettingsFiles &files, Hid_Thread *device = nullptr);
    void setDevice(Hid_Thread *device) { m_hid = device; }

    void setReportRate(uchar rate);
    void sendReportRate(uchar rate);
    QVariant reportRate() const;
    void setKeyboardOption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    QVariantList keyboardOption();

    void setDpiSet(uchar dpiStage, const QVariantList &dpiValues, const QVariantList &stageFlags);
    void sendDpiSet(uchar dpiStage, const QVariantList &dpiValues, const QVariantList &stageFlags);
    void setDpiSelect(const QVariantList &stageFlags);
    // The stored DPI list, unconverted; also fills the stage DPI table.
    QVariantList dpiSet();
    QVariantList dpiSelect() const;
    // Asks the mouse only while the window is visible; 0 otherwise.
    QVariant currentDpiStage(bool windowVisible);

    void setLedEffect(uchar effect, uchar colour, uchar level, const QVariantList &configs);
    void sendLedEffect(uchar effect, uchar colour, uchar level);
    QVariantList ledEffect() const;
    // The stored lighting and colour lists as written, for validation.
    QVariantList storedLedEffect() const;
    QVariantList storedStageColour(uchar type) const;
    void setLedColour(const QVariantList &src24);
    void sendLedColour(const QVariantList &src24);
    void setStageColour(uchar type, const QVariantList &src24);
    void sendStageColour(uchar type, const QVariantList &src24);
    QVariantList stageColour(uchar type) const;

    void setKeyMatrix(const QVariantList &src);
    void sendKeyMatrix(const QVariantList &src);
    void setGunKeyMatrix(const QVariantList &src64);
    QVariantList keyDefine(const QVariant &matrixId) const;

    void clearHidBusy();
    // Starts the update program of the connected sensor (UpdateLauncher.h);
    // the process belongs to `owner`, `notice` hears what the user is told.
    void openUpdateProgram(QObject *owner, const std::function<void(const QString &)> &notice);

private:
    bool catalogued() const;  // the current device is one of the two mice

    SettingsFiles &m_files;
    Hid_Thread *m_hid;
};
