#include "CopyDataText.h"

#include <QTextCodec>

#include <cstring>

QString copyDataText(const platform::CopyDataMessage &message)
{
    if (message.tag != kCopyDataTag)
        return QString();
    // No bytes is no text: nothing to show.
    if (!message.data || message.byteCount == 0)
        return QString();

    const char *bytes = static_cast<const char *>(message.data);
    const void *zero = std::memchr(bytes, 0, message.byteCount);
    const int length = zero ? static_cast<int>(static_cast<const char *>(zero) - bytes)
                            : static_cast<int>(message.byteCount);

    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes, length, &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return QString();
    if (static_cast<qint64>(text.toUtf8().size()) != static_cast<qint64>(message.byteCount))
        return QString();
    return text;
}
