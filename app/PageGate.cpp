#include "PageGate.h"

#include <QEventLoop>
#include <QMetaProperty>
#include <QQuickItem>
#include <QTimer>

namespace {

const char kMacroEditor[] = "macroEditorMain";
const char kRecordingProperty[] = "isInputting";
const char kStopRecording[] = "stopRecord";
// Set once a mouse connected and the pages read their profile.
const char kPagesUp[] = "isPowerOn";
// Panels that hold the pages while they are shown: the key dialogs, the
// profile manager with its rules dialog, and the factory-reset question.
const char *const kModalPanels[] = {"singleKeyMain", "macroKeyMain", "profileMain", "factorysure", "appRulesDialog"};

// Connects the notify signal of `object`'s `property` to `receiver`'s `slot`.
void onChange(QObject *object, const char *property, QObject *receiver, const char *slot)
{
    if (!object)
        return;
    const QMetaProperty p = object->metaObject()->property(object->metaObject()->indexOfProperty(property));
    const int slotIndex = receiver->metaObject()->indexOfSlot(slot);
    if (p.hasNotifySignal() && slotIndex >= 0)
        QObject::connect(object, p.notifySignal(), receiver, receiver->metaObject()->method(slotIndex));
}

} // namespace

PageGate::PageGate(QObject *parent)
    : QObject(parent)
{
}

QObject *PageGate::panel(const char *objectName) const
{
    return m_root ? m_root->findChild<QObject *>(QLatin1String(objectName)) : nullptr;
}

void PageGate::setRoot(QQuickItem *root)
{
    m_root = root;
    if (!root)
        return;
    // Every property the state is made of is followed through its notify signal.
    onChange(root, kPagesUp, this, "follow()");
    onChange(panel(kMacroEditor), kRecordingProperty, this, "follow()");
    for (const char *name : kModalPanels)
        onChange(panel(name), "visible", this, "follow()");
    m_wasBusy = busy();
}

bool PageGate::recording() const
{
    const QObject *editor = panel(kMacroEditor);
    return editor && editor->property(kRecordingProperty).toBool();
}

bool PageGate::busy() const
{
    if (m_root && !m_root->property(kPagesUp).toBool())
        return true;
    if (recording())
        return true;
    for (const char *name : kModalPanels) {
        const QObject *p = panel(name);
        if (p && p->property("visible").toBool())
            return true;
    }
    return false;
}

void PageGate::follow()
{
    const bool now = busy();
    if (m_wasBusy && !now) {
        m_wasBusy = false;
        emit freed();
        return;
    }
    m_wasBusy = now;
}

void PageGate::finishRecording(int timeoutMs)
{
    if (!recording())
        return;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    onChange(panel(kMacroEditor), kRecordingProperty, &loop, "quit()");
    loop.exec();
    if (recording())
        QMetaObject::invokeMethod(panel(kMacroEditor), kStopRecording, Qt::DirectConnection);
}
