#pragma once
// The device link: device list, current device, the report transport and the
// mouse's command set, plus the start and stop of the event listener.
//
// Derives from QThread as the pages expect, but is never started as one.
// Commands run in the caller's thread until startCommandThread(); from then
// on they run one by one, in the order they were called, on the command
// thread: setters return at once, queries wait for their answer (and so for
// every command before them). A wait of the GUI thread's event loop keeps
// that loop going, user input aside, and shows as awaitingAnswer, so the
// window paints on however long the traffic before the answer lasts.
// The event listener runs on a pool thread; it shares the listening flag
// (atomic) and the event-interface paths (locked) with the GUI thread, and
// reports back through queued calls.

#include "Catalogue.h"
#include "CommandQueue.h"
#include "DeviceEntry.h"
#include "ShortReport.h"

#include <QFuture>
#include <QThread>
#include <QVariant>
#include <QVector>

#include <hidapi.h>

#include <atomic>
#include <functional>
#include <mutex>

class Hid_Thread : public QThread
{
    Q_OBJECT
    // True while the GUI thread waits for the command thread; the busy
    // indicator shows meanwhile.
    Q_PROPERTY(bool awaitingAnswer READ awaitingAnswer NOTIFY awaitingAnswerChanged)
public:
    // What the connect step (chkDeviceIsEnCode) leaves to the main window.
    struct ConnectHooks {
        // The secrecy code text of entry N (six characters); unset keeps the code.
        std::function<QString(uint32_t index)> secrecyText;
        // The command interface opened: the window runs initUI, posts its
        // UserEvent, enables the view, marks the device present and shows
        // the tray notice. The transport is released and the listener
        // started after this returns.
        std::function<void(uint32_t index)> connected;
        // The open failed ("Device Error" is already written).
        std::function<void(uint32_t index)> failed;
    };
    // What the event listener reports; called on the thread that owns this
    // object (the GUI thread), in the order the listener produced them.
    struct ListenerHooks {
        std::function<void(int stage)> stageChanged;     // 1..8
        std::function<void(uint32_t index)> deviceLost;  // "Device removed" already written
    };

    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    void setConnectHooks(ConnectHooks hooks) { m_connectHooks = std::move(hooks); }
    void setListenerHooks(ListenerHooks hooks) { m_listenerHooks = std::move(hooks); }

    // ---- discovery ----
    // Replaces the device list from the catalogue; a found mouse becomes current.
    void scanDevices(const QVector<CatalogueRecord> &records);
    QVector<DeviceEntry> devices() const;  // a copy: the listener may change paths
    uint32_t currentDevice() const { return m_currentDevice.load(); }

    // Scrambling of short reports, as the catalogue's common/isEncode says.
    void setScrambling(bool on) { m_scrambling = on; }
    bool scrambling() const { return m_scrambling; }

    // ---- command thread ----
    // Moves the device traffic off the caller's thread (see above).
    void startCommandThread() { m_commands.start(); }
    // Returns once every command called so far has been carried out.
    void waitCommands();
    // True while a command is queued or running; the busy indicator asks.
    Q_INVOKABLE bool commandsPending() const { return m_commands.busy(); }
    bool awaitingAnswer() const { return m_answerWaits > 0; }

    // ---- transport ----
    // Takes the free flag; waits up to 255 x 8 ms, passing GUI events, and
    // returns false when it stays taken.
    bool waitHidFree();
    void hidSettle();
    // Gives the transport back whoever holds it (the connect step, the view's clearHidBusy).
    void releaseHid() { m_hidFree = true; }
    bool hidIsFree() const { return m_hidFree.load(); }
    // Exchanges that failed or never got the transport since the object was
    // built: the commands return nothing, so callers that must know whether
    // the mouse took a sequence compare this before and after it.
    int transportFailures() const { return m_transportFailures; }
    // (Re)open an interface of entry `did` in blocking mode; a failed open
    // empties the path. The handle belongs to this object.
    hid_device *openCmdInterface(uint32_t did);
    hid_device *openEventInterface(uint32_t did);
    // Send the outgoing short report (and `length` bytes of the data buffer),
    // or exchange it for the incoming one. Both release the free flag on
    // every path.
    bool hidSendReport(int length, bool settle);
    bool hidQueryReport(int length);

    // ---- event listener ----
    void startEventListener(uint32_t did);
    void stopEventListener();
    // Blocks until the listener has ended (at most one read time-out after a stop).
    void waitEventListener();
    bool isListening() const { return m_listening.load(); }

signals:
    void awaitingAnswerChanged();

public slots:
    void swichCurDevice(uint did);
    uchar hidCS(uchar *cmd);
    void chkDeviceIsEnCode();
    void USBDataEncryption(uchar *FIFOBuf, uchar *SecrecyCode);
    void USBDataDecipher(uchar *FIFOBuf, uchar *SecrecyCode);
    void hid_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid_01H_SetReportRate(uchar rate);
    void hid_13H_Recovery();
    void hid_02H_SetCurrentProfile(uchar profile);
    void hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4);
    void hid_0EH_SetXYSensitive(uchar par0, uchar par1);
    QVariant hid_87H_GetCurrentDPI();
    void hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid_06H_SetRGBLedEffect(uchar effect, uchar colorV, uchar option1, uchar option2);
    void hid_10H_SetLED8StageColor(uchar type, uchar *src24);
    void hid_LEDColor(uchar *src24);
    void hid_07H_SetDPISet(uchar dpiStage, uchar dpiSegment, uchar dpi0, uchar dpi1, uchar dpi2, uchar dpi3);
    void hid_08H_SetDPISet(uchar dpi4, uchar dpi5, uchar dpi6, uchar dpi7, uchar mul2);
    void hidARM_03H_SetKeyMatrix(uchar *src64);
    void hid_05H_SetMacroKey(uchar macroId, uchar *src128);
    void hid_8BH_GetCurrentDPIStage(uchar &dpiStage);
    void hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2);
    void hid_90H_GetLED8StageColor(uchar type, uchar *src24);

private:
    enum class Outcome { Busy, Failed, Done };
    struct Answer {
        Outcome outcome;
        ShortReport in;  // the incoming short report as the query left it
    };

    // One command through the transport: take it (or write `failText`),
    // load the buffers, send or query, add the pause after. A set is queued
    // with a copy of its data; a query waits for its answer.
    void runSet(const char *failText, const ShortReport &report, const uint8_t *data, int length, bool settle,
                int pauseAfterMs);
    Answer runQuery(const char *failText, const ShortReport &report, const ShortReport &prefill, uint8_t *data,
                    int length);
    // Runs `job` on the command thread after everything queued before it
    // and returns when it is done (see the class comment for the GUI thread).
    void callCommandThread(const std::function<void()> &job);
    void waitInEventLoop(const std::function<void()> &job);
    bool takeHid();
    bool queryKeyboardOptions(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);

    // Transport helpers; each releases the free flag and returns false.
    bool fail();
    bool failClosed();
    bool finish();  // closes the handle, releases the transport, true
    // The steps both patterns start with: refuse what cannot be sent, check
    // the path, scramble, open again and send the short report. Returns the
    // open handle, or null with the transport released.
    hid_device *sendShortReport(uint32_t did, int length, uint32_t reportLength);
    void closeCmdHandle();
    void scrambleOutgoing();
    uint32_t usableReportLength(uint32_t did) const;  // 0 when data reports are impossible

    // Device list access, shared with the listener thread.
    QString cmdPath(uint32_t did) const;
    QString eventPath(uint32_t did) const;
    void clearCmdPath(uint32_t did);
    void clearEventPath(uint32_t did);

    void eventListener(uint32_t did);
    void postStage(int stage);
    void postDeviceLost(uint32_t did);

    mutable std::mutex m_devicesLock;
    QVector<DeviceEntry> m_devices;
    std::atomic<uint32_t> m_currentDevice{1};
    std::atomic<bool> m_scrambling{false};

    hid_device *m_cmdHandle = nullptr;
    hid_device *m_eventHandle = nullptr;  // the listener's alone
    std::atomic<bool> m_hidFree{true};
    std::atomic<int> m_transportFailures{0};
    std::atomic<bool> m_listening{false};
    QFuture<void> m_listener;

    // The command thread's alone once it runs, like the command handle.
    ShortReport m_out{};
    ShortReport m_in{};
    uint8_t m_data[hidproto::kDataBufferSize] = {};

    int m_answerWaits = 0;  // GUI thread only; nested waits count each

    ConnectHooks m_connectHooks;
    ListenerHooks m_listenerHooks;
    CommandQueue m_commands;
};
