#include "CopyDataFilter.h"

#include "CopyDataText.h"

#include <QMessageBox>
#include <QWidget>

void CopyDataFilter::setHandler(platform::CopyDataHandler handler, void *context)
{
    m_handler = handler;
    m_context = context;
}

bool CopyDataFilter::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    platform::CopyDataMessage copyData;
    const bool isCopyData = platform::extractCopyData(eventType.constData(), message, &copyData);
    return platform::dispatchCopyData(isCopyData ? &copyData : nullptr, m_handler, m_context, result);
}

void showCopyDataMessage(const platform::CopyDataMessage &message, void *context)
{
    auto *window = static_cast<QWidget *>(context);
    if (!window)
        return;
    const QString text = copyDataText(message);
    if (text.isNull())
        return;
    QMessageBox box(QMessageBox::Warning, window->windowTitle(), text, QMessageBox::Ok);
    box.exec();
}
