#pragma once
// Whether the pages are in the middle of something a profile change from
// outside (a rule, another process's command) must not cut into: a macro
// recording, a key dialog, the profile manager or its dialogs; or not up yet
// (no mouse connected since the start). The pages
// know nothing of this: their own properties are read and followed.

#include <QObject>
#include <QPointer>

class QQuickItem;

class PageGate : public QObject
{
    Q_OBJECT
public:
    explicit PageGate(QObject *parent = nullptr);

    // The root page; the gate looks up its panels by object name.
    void setRoot(QQuickItem *root);

    bool busy() const;
    bool recording() const;
    // Waits, with events processed, until the recording ends or `timeoutMs`
    // passes; then a recording still running is stopped, which saves it.
    void finishRecording(int timeoutMs);

signals:
    // The pages were busy and are not any more.
    void freed();

private slots:
    void follow();

private:
    QObject *panel(const char *objectName) const;

    QPointer<QQuickItem> m_root;
    bool m_wasBusy = false;
};
