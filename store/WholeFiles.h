#pragma once
// Writing files so that a reader, or a start after the program was killed,
// finds either the old file or the complete new one: the content goes to a
// file beside the target, which is then renamed over it.

#include <QByteArray>
#include <QString>

#include <functional>

class QSettings;

// Writes `content` to `path` whole; false, with the old file kept, when it
// cannot.
bool writeWholeFile(const QString &path, const QByteArray &content);

// The bytes of a settings file that starts as `initial` and gets the keys
// `fill` sets, as the settings class writes them; `ok` is false when the
// scratch file could not be written or read.
QByteArray settingsFileBytes(const QByteArray &initial, const std::function<void(QSettings &)> &fill, bool &ok);
