#pragma once
// Application-wide native filter that answers copy-data messages.

#include "CopyData.h"

#include <QAbstractNativeEventFilter>

class CopyDataFilter : public QAbstractNativeEventFilter
{
public:
    void setHandler(platform::CopyDataHandler handler, void *context);
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

private:
    platform::CopyDataHandler m_handler = nullptr;
    void *m_context = nullptr;
};

// The program's handler: context is the main window; shows the text in a
// modal warning box titled with the window's title.
void showCopyDataMessage(const platform::CopyDataMessage &message, void *context);
